// What the operations reach of their front end, on a terminal: prompts the
// command's options answer, a pointer and a bar nobody sees, the stored
// connection values with this run's changes, lists that say what was done,
// and the progress line.
#pragma once

#include "CommandRequest.h"

#include "data_access/ConnectionSettings.h"
#include "data_access/SettingsStore.h"
#include "data_access/TableList.h"
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
// the interrupt's thread, and the progress line while a person watches.
class CopyProgress : public TransferObserver {
public:
    CopyProgress(std::FILE* terminal, bool redraw)
        : mTerminal(terminal)
        , mRedraw(redraw) {}
    void startTable(const std::string& name);
    void tableRead(const std::string& name, long rows) override;
    void rowsWritten(long rows) override;
    void endTable(); // the table is done: nothing is under way
    long rowsRead() const { return mTotal; }

    struct Standing {
        std::string table; // empty when no table is under way
        long written = 0;
        long total = 0;
    };
    Standing standing() const;

private:
    void draw(long rows);
    void clearLine();

    std::FILE* mTerminal;
    bool mRedraw;
    mutable std::mutex mLock; // the table name, for the interrupt's thread
    std::string mTable;
    std::atomic<long> mWritten{0};
    std::atomic<long> mTotal{0};
    std::chrono::steady_clock::time_point mStart;
    std::chrono::steady_clock::time_point mLastDrawn;
    bool mDrawn = false;
};

} // namespace tallowmere::cli
