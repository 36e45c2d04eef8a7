// What the operations reach of their front end, on a terminal: prompts the
// command's options answer, a pointer and a bar nobody sees, the stored
// connection values with this run's changes, lists that say what was done,
// and the progress line.
#pragma once

#include "CommandRequest.h"
#include "ProgressLine.h"

#include "data_access/ConnectionSettings.h"
#include "data_access/SettingsStore.h"
#include "data_access/TableList.h"
#include "operations/UserTexts.h"
#include "operations/WindowInterfaces.h"
#include "transfer/RowSender.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <mutex>

namespace tallowmere::cli {

// The overwrite question is answered by --overwrite, a new name by the
// command line; a message would be the window's, and ends the command.
class TerminalPrompts : public Prompts {
public:
    TerminalPrompts(bool overwrite, std::string newName)
        : mOverwrite(overwrite)
        , mNewName(std::move(newName)) {}
    void message(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string&, const std::string&) override { return mOverwrite; }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return mNewName;
    }

private:
    bool mOverwrite;
    std::string mNewName;
};

class UnseenPointer : public WindowPointer {
public:
    PointerSetting pointer() const override { return mSetting; }
    void setPointer(PointerSetting setting) override { mSetting = setting; }

private:
    PointerSetting mSetting = PointerSetting::Default;
};

class UnseenBar : public ProgressDisplay {
public:
    void setValue(float) override {}
};

// The four stored values, read once; the run's own values over them.
class StoredFields : public ConnectionFields {
public:
    StoredFields(const SettingsStore& store, const SettingOverrides& overrides,
                 const char* password);
    ConnectionSettings current() const override { return mSettings; }
    // Whether a side has any value at all to connect with.
    bool hasSide(Side side) const;

private:
    ConnectionSettings mSettings;
};

// A list that tells when an entry comes or goes, as the operations change it.
class ReportingList : public PlainTableList {
public:
    std::function<void(const std::string&)> onAdded;
    std::function<void(const std::string&)> onRemoved;
    void addItem(const std::string& text) override;
    void removeItem(int index) override;
};

// Follows a copy: the table being copied and its rows written, readable from
// the interrupt's thread, and while a person watches the progress line, over
// the read and the sending, and a closing line for each table. What a copy
// loses of a table unasked it says whoever watches.
class CopyProgress : public TransferObserver {
public:
    // place: its own on the line, among the tables copied at once.
    CopyProgress(ProgressLine& line, size_t place)
        : mLine(line)
        , mPlace(place) {}
    void startTable(const std::string& name);
    void rowsReadSoFar(long rows); // while the source is read
    void tableRead(const std::string& name, long rows) override;
    // Says what the copy loses of the table unasked, whoever watches.
    void tableCreated(const std::string& name, const TargetTable& table) override;
    void rowsWritten(long rows) override;
    void rowsCommitting(long rows) override;
    void tableEmptying(const std::string& name) override;
    // The table on the target that the copy replaces or fills: as it was
    // until dropped, emptied or written to.
    void keepTarget(const std::string& table, Side side);
    void targetDropped();
    void endTable();     // the table is done: nothing is under way
    void abandonTable(); // the table failed: its line goes, the standing stays
    long rowsRead() const { return mTotal; }

    using Standing = texts::CopyStanding;
    Standing standing() const;

private:
    bool redrawDue() const;
    void draw(const std::string& line);
    static double secondsSince(std::chrono::steady_clock::time_point start);

    ProgressLine& mLine;
    size_t mPlace;
    mutable std::mutex mLock; // the table name, for the interrupt's thread
    std::string mTable;
    std::string mKeptTable;
    bool mEmptied = false;
    Side mTarget = Side::Oracle;
    std::atomic<long> mWritten{0};
    std::atomic<long> mTotal{0};
    std::atomic<long> mUnsure{0};
    std::chrono::steady_clock::time_point mStart;     // of the table, its read first
    std::chrono::steady_clock::time_point mSendStart; // of its rows' sending
    std::chrono::steady_clock::time_point mLastDrawn;
};

} // namespace tallowmere::cli
