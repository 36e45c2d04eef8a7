// What an operation beside the event loop reaches of the window, each call
// made on the window's thread while the operation waits: the two lists, the
// prompts, the pointer, the progress bar and the connection fields. The
// progress bar alone is not waited for: only its latest value matters.
#pragma once

#include "data_access/CancellableConnections.h"
#include "operations/OperationContext.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <exception>
#include <optional>
#include <type_traits>

namespace tallowmere {

// Calls f on the window's thread and returns what it returns, or throws what
// it throws; on the window's thread itself it simply calls f.
template <typename F> auto onWindowThread(F&& f) -> decltype(f()) {
    if (QThread::currentThread() == QCoreApplication::instance()->thread())
        return f();
    using Result = decltype(f());
    std::exception_ptr failure;
    std::conditional_t<std::is_void_v<Result>, bool, std::optional<Result>> result{};
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
            try {
                if constexpr (std::is_void_v<Result>)
                    f();
                else
                    result.emplace(f());
            } catch (...) {
                failure = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (failure)
        std::rethrow_exception(failure);
    if constexpr (!std::is_void_v<Result>)
        return std::move(*result);
}

// Changes that return nothing are posted, not waited for: the list takes them
// in order, before any later read. Every so many the work waits for the list
// to catch up, so the window never has a long run of them to apply at once.
class ListOnWindow : public TableList {
public:
    static constexpr int kPostedBeforeWait = 128;

    explicit ListOnWindow(TableList& list)
        : mList(list) {}
    int count() const override;
    std::string text(int index) const override;
    bool isSelected(int index) const override;
    void setSelected(int index, bool selected) override;
    int selectedCount() const override;
    int currentIndex() const override;
    void setCurrentIndex(int index) override;
    void addItem(const std::string& text) override;
    void removeItem(int index) override;
    void clear() override;

private:
    template <typename Change> void post(Change change);

    TableList& mList;
    QObject mReceiver; // a change still on its way when this goes is dropped
    int mPosted = 0;
};

class PromptsOnWindow : public Prompts {
public:
    explicit PromptsOnWindow(Prompts& prompts)
        : mPrompts(prompts) {}
    void message(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& defaultAnswer,
                         const std::string& title) override;

private:
    Prompts& mPrompts;
};

class PointerOnWindow : public WindowPointer {
public:
    explicit PointerOnWindow(WindowPointer& pointer)
        : mPointer(pointer) {}
    PointerSetting pointer() const override;
    void setPointer(PointerSetting setting) override;

private:
    WindowPointer& mPointer;
};

// Posts the latest value when the bar would show it differently; a value
// not yet shown is replaced by a newer one.
class ProgressOnWindow : public ProgressDisplay {
public:
    explicit ProgressOnWindow(ProgressDisplay& progress)
        : mProgress(progress) {}
    void setValue(float percent) override;

private:
    ProgressDisplay& mProgress;
    QObject mReceiver; // a value still on its way when this goes is dropped
    std::atomic<float> mLatest{0};
    std::atomic<bool> mPosted{false};
    long mShown = -1; // the whole percent last posted: the bar shows no finer
};

class FieldsOnWindow : public ConnectionFields {
public:
    explicit FieldsOnWindow(const ConnectionFields& fields)
        : mFields(fields) {}
    ConnectionSettings current() const override;

private:
    const ConnectionFields& mFields;
};

// An operation's context as the work beside the event loop sees it, made
// from the window's own.
class WorkerContext {
public:
    WorkerContext(const OperationContext& window, EventPump& workerEvents);
    const OperationContext& context() const { return mContext; }
    CancellableConnections& connections() { return mConnections; }

private:
    ListOnWindow mSqlAnywhereList;
    ListOnWindow mOracleList;
    PromptsOnWindow mPrompts;
    PointerOnWindow mPointer;
    ProgressOnWindow mProgress;
    CancellableConnections mConnections;
    FieldsOnWindow mFields;
    OperationContext mContext;
};

class OperationThread;

// Runs work beside the event loop with the window's context made safe for
// it; returns when it has ended, or when the window was closed meanwhile.
void RunBesideTheWindow(OperationThread& thread, const OperationContext& window,
                        const std::function<void(const OperationContext&)>& work);

// A connection check of the setup window beside the event loop; false when
// it fails or the window was closed meanwhile.
bool CheckBesideTheWindow(OperationThread& thread, ConnectionFactory& connections,
                          const ConnectionFields& fields,
                          bool (*check)(ConnectionFactory&, const ConnectionFields&));

} // namespace tallowmere
