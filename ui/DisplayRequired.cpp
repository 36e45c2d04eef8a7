#include "DisplayRequired.h"

#include "operations/UserTexts.h"

#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace tallowmere {
namespace {

constexpr int kNoDisplayStatus = 1;

// The handler before ours, and the toolkit's messages held back meanwhile:
// they are its account of the missing display, shown only when the windows
// open after all.
QtMessageHandler gToolkitHandler = nullptr;
QStringList gHeldBack;

void onToolkitMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) {
        gHeldBack.append(text);
        return;
    }
    std::fprintf(stderr, "%s\n", texts::kNoDisplay);
    std::_Exit(kNoDisplayStatus);
}

} // namespace

DisplayRequired::DisplayRequired() {
    gToolkitHandler = qInstallMessageHandler(onToolkitMessage);
}

DisplayRequired::~DisplayRequired() {
    qInstallMessageHandler(gToolkitHandler);
    for (const QString& text : std::as_const(gHeldBack))
        qWarning("%s", qPrintable(text));
    gHeldBack.clear();
}

} // namespace tallowmere
