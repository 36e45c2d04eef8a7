#include "TerminalSide.h"

#include "CommandFailure.h"

namespace tallowmere::cli {
namespace {

// The progress line is redrawn no more often than this.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

long perSecond(long rows, double seconds) {
    return seconds > 0 ? static_cast<long>(rows / seconds) : 0;
}

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
    mKeptTable.clear();
    mEmptied = false;
    mWritten = 0;
    mTotal = 0;
    mUnsure = 0;
    mStart = std::chrono::steady_clock::now();
}

void CopyProgress::rowsReadSoFar(long rows) {
    if (redrawDue())
        draw(texts::readingLine(standing().table, rows, perSecond(rows, secondsSince(mStart))));
}

void CopyProgress::tableRead(const std::string& name, long rows) {
    const bool readBesideSending = mTotal < 0;
    mTotal = rows;
    if (readBesideSending) // the read's end, after the rows it sent
        return;
    mSendStart = std::chrono::steady_clock::now();
    if (mLine.redraws())
        draw(texts::progressLine(name, 0, rows, 0));
}

void CopyProgress::tableCreated(const std::string&, const TargetTable& table) {
    for (const TableChange& change : table.changes) {
        if (!change.saidOnCopy)
            continue;
        mLine.say("tallowmere: " + change.line);
    }
}

void CopyProgress::rowsWritten(long rows) {
    mWritten = rows;
    mUnsure = 0;
    if (redrawDue())
        draw(texts::progressLine(standing().table, rows, mTotal,
                                 perSecond(rows, secondsSince(mSendStart))));
}

void CopyProgress::rowsCommitting(long rows) {
    mUnsure = rows;
    if (rows > 0) // a table that exists is no longer as it was
        targetDropped();
}

void CopyProgress::tableEmptying(const std::string&) {
    const std::lock_guard lock(mLock);
    mKeptTable.clear();
    mEmptied = true;
}

void CopyProgress::endTable() {
    mLine.clear(mPlace);
    const Standing done = standing();
    if (mLine.redraws() && !done.table.empty()) {
        const double seconds = secondsSince(mStart);
        mLine.say(texts::tableDoneLine(done.table, done.written, seconds,
                                       perSecond(done.written, seconds)));
    }
    const std::lock_guard lock(mLock);
    mTable.clear();
}

void CopyProgress::keepTarget(const std::string& table, Side side) {
    const std::lock_guard lock(mLock);
    mKeptTable = table;
    mTarget = side;
}

void CopyProgress::targetDropped() {
    const std::lock_guard lock(mLock);
    mKeptTable.clear();
}

void CopyProgress::abandonTable() {
    mLine.clear(mPlace);
}

CopyProgress::Standing CopyProgress::standing() const {
    const std::lock_guard lock(mLock);
    return {mTable, mWritten, mTotal, mUnsure, mKeptTable, mTarget, mEmptied};
}

bool CopyProgress::redrawDue() const {
    return mLine.redraws() && std::chrono::steady_clock::now() - mLastDrawn >= kRedrawInterval;
}

double CopyProgress::secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void CopyProgress::draw(const std::string& line) {
    mLastDrawn = std::chrono::steady_clock::now();
    mLine.show(mPlace, line);
}

} // namespace tallowmere::cli
