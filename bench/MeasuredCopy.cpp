#include "MeasuredCopy.h"

namespace bench {

Line measureCommandLineCopy(const std::string& program, DatabaseSteps& steps, const Pair& pair,
                            const CopyOrder& order, const std::string& label) {
    steps.workspace().use(pair.setup);
    if (order.way != RowsSent::Truncate)
        steps.drop(pair, order.tables);
    const CommandLineCopy copy = runCommandLineCopy(program, steps.workspace(), pair, order);
    const double rows =
        static_cast<double>(order.rowsEach) * static_cast<double>(order.tables.size());
    if (copy.refused && order.jobs > 0)
        return {label, rows, kNotMeasured};
    if (!copy.copiedAll)
        steps.countWrong();
    for (const std::string& table : order.tables)
        steps.check(pair, order.rowsEach, table);
    Line line{label, rows, copy.child.seconds};
    line.peakMegabytes = copy.child.peakMegabytes;
    return line;
}

} // namespace bench
