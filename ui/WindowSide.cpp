#include "WindowSide.h"

#include "OperationThread.h"
#include "data_access/DatabaseError.h"

#include <cmath>

namespace tallowmere {

int ListOnWindow::count() const {
    return onWindowThread([this] { return mList.count(); });
}
std::string ListOnWindow::text(int index) const {
    return onWindowThread([this, index] { return mList.text(index); });
}
bool ListOnWindow::isSelected(int index) const {
    return onWindowThread([this, index] { return mList.isSelected(index); });
}
template <typename Change> void ListOnWindow::post(Change change) {
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
        change();
        return;
    }
    QMetaObject::invokeMethod(&mReceiver, change, Qt::QueuedConnection);
    if (++mPosted % kPostedBeforeWait == 0)
        onWindowThread([] {}); // the list has caught up
}

void ListOnWindow::setSelected(int index, bool selected) {
    onWindowThread([this, index, selected] { mList.setSelected(index, selected); });
}
int ListOnWindow::selectedCount() const {
    return onWindowThread([this] { return mList.selectedCount(); });
}
int ListOnWindow::currentIndex() const {
    return onWindowThread([this] { return mList.currentIndex(); });
}
void ListOnWindow::setCurrentIndex(int index) {
    onWindowThread([this, index] { mList.setCurrentIndex(index); });
}
void ListOnWindow::addItem(const std::string& text) {
    post([this, text] { mList.addItem(text); });
}
void ListOnWindow::removeItem(int index) {
    onWindowThread([this, index] { mList.removeItem(index); });
}
void ListOnWindow::clear() {
    onWindowThread([this] { mList.clear(); });
}

void PromptsOnWindow::message(const std::string& text, const std::string& title) {
    onWindowThread([&] { mPrompts.message(text, title); });
}
bool PromptsOnWindow::askYesNo(const std::string& text, const std::string& title) {
    return onWindowThread([&] { return mPrompts.askYesNo(text, title); });
}
std::string PromptsOnWindow::inputBox(const std::string& prompt, const std::string& defaultAnswer,
                                      const std::string& title) {
    return onWindowThread([&] { return mPrompts.inputBox(prompt, defaultAnswer, title); });
}

PointerSetting PointerOnWindow::pointer() const {
    return onWindowThread([this] { return mPointer.pointer(); });
}
void PointerOnWindow::setPointer(PointerSetting setting) {
    onWindowThread([this, setting] { mPointer.setPointer(setting); });
}

void ProgressOnWindow::setValue(float percent) {
    const long shown = std::lround(percent);
    if (shown == mShown)
        return;
    mShown = shown;
    mLatest = percent;
    if (mPosted.exchange(true))
        return; // the one on its way shows the latest value
    QMetaObject::invokeMethod(
        &mReceiver,
        [this] {
            mPosted = false;
            mProgress.setValue(mLatest);
        },
        Qt::QueuedConnection);
}

ConnectionSettings FieldsOnWindow::current() const {
    return onWindowThread([this] { return mFields.current(); });
}

WorkerContext::WorkerContext(const OperationContext& window, EventPump& workerEvents)
    : mSqlAnywhereList(window.sqlAnywhereList)
    , mOracleList(window.oracleList)
    , mPrompts(window.prompts)
    , mPointer(window.pointer)
    , mProgress(window.progress)
    , mConnections(window.connections)
    , mFields(window.fields)
    , mContext{mSqlAnywhereList, mOracleList,  mPrompts,     mPointer,
               mProgress,        workerEvents, mConnections, mFields} {}

void RunBesideTheWindow(OperationThread& thread, const OperationContext& window,
                        const std::function<void(const OperationContext&)>& work) {
    // Shared with the work, which may outlive this call when the window closes.
    const auto worker = std::make_shared<WorkerContext>(window, thread.events());
    try {
        thread.run(
            [worker, work] {
                work(worker->context());
                onWindowThread([] {}); // every change posted has reached the window
            },
            [worker] { worker->connections().cancelAll(); });
    } catch (const OperationCancelled&) {
        // the window was closed: the program is ending
    }
}

bool CheckBesideTheWindow(OperationThread& thread, ConnectionFactory& connections,
                          const ConnectionFields& fields,
                          bool (*check)(ConnectionFactory&, const ConnectionFields&)) {
    // Shared with the work, which may outlive this call when the window closes.
    struct Check {
        Check(ConnectionFactory& factory, const ConnectionFields& values)
            : connections(factory)
            , fields(values) {}
        CancellableConnections connections;
        FieldsOnWindow fields;
        std::atomic<bool> passed{false};
    };
    const auto state = std::make_shared<Check>(connections, fields);
    try {
        thread.run([state, check] { state->passed = check(state->connections, state->fields); },
                   [state] { state->connections.cancelAll(); });
    } catch (const OperationCancelled&) {
        return false;
    }
    return state->passed;
}

} // namespace tallowmere
