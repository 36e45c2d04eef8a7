#include "TerminalSide.h"

#include "CommandFailure.h"

namespace tallowmere::cli {
namespace {

// The progress line is redrawn no more often than this.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr const char* kEraseLine = "\r\033[K";

} // namespace

void TerminalPrompts::message(const std::string& text, const std::string&) {
    throw CommandFailure("tallowmere: " + text);
}

StoredFields::StoredFields(const SettingsStore& store, const SettingOverrides& overrides,
                           const char* password) {
    const auto stored = [&](const char* key) {
        return store.GetSetting(kSettingsApplication, kSettingsSection, key);
    };
    mSettings = {overrides.oracleServer.value_or(stored(kKeyOracleServer)),
                 overrides.oracleUser.value_or(stored(kKeyOracleUser)),
                 password ? std::string(password) : stored(kKeyOraclePassword),
                 overrides.dataSourceName.value_or(stored(kKeyDataSourceName))};
}

bool StoredFields::hasSide(Side side) const {
    if (side == Side::SqlAnywhere)
        return !mSettings.dataSourceName.empty();
    return !mSettings.oracleServer.empty() || !mSettings.oracleUser.empty();
}

void ReportingList::addItem(const std::string& text) {
    PlainTableList::addItem(text);
    if (onAdded)
        onAdded(text);
}

void ReportingList::removeItem(int index) {
    const std::string gone = text(index);
    PlainTableList::removeItem(index);
    if (onRemoved)
        onRemoved(gone);
}

void CopyProgress::startTable(const std::string& name) {
    const std::lock_guard lock(mLock);
    mTable = name;
    mWritten = 0;
    mTotal = 0;
}

void CopyProgress::tableRead(const std::string&, long rows) {
    mTotal = rows;
    mStart = std::chrono::steady_clock::now();
    draw(0);
}

void CopyProgress::rowsWritten(long rows) {
    mWritten = rows;
    if (mRedraw && std::chrono::steady_clock::now() - mLastDrawn >= kRedrawInterval)
        draw(rows);
}

void CopyProgress::endTable() {
    clearLine();
    const std::lock_guard lock(mLock);
    mTable.clear();
}

CopyProgress::Standing CopyProgress::standing() const {
    const std::lock_guard lock(mLock);
    return {mTable, mWritten, mTotal};
}

void CopyProgress::draw(long rows) {
    if (!mRedraw)
        return;
    mLastDrawn = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(mLastDrawn - mStart).count();
    const long perSecond = seconds > 0 ? static_cast<long>(rows / seconds) : 0;
    const std::string line = texts::progressLine(standing().table, rows, mTotal, perSecond);
    std::fprintf(mTerminal, "%s%s", kEraseLine, line.c_str());
    std::fflush(mTerminal);
    mDrawn = true;
}

void CopyProgress::clearLine() {
    if (!mDrawn)
        return;
    std::fputs(kEraseLine, mTerminal);
    std::fflush(mTerminal);
    mDrawn = false;
}

} // namespace tallowmere::cli
