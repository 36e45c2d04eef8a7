#include "BenchWindow.h"

#include "ui/WhiteProgress.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace bench {

BenchWindow::BenchWindow()
    : mSqlAnywhereList(new tallowmere::TableListWidget(this))
    , mOracleList(new tallowmere::TableListWidget(this))
    , mBar(new QProgressBar(this)) {
    auto* lists = new QHBoxLayout;
    lists->addWidget(mSqlAnywhereList);
    lists->addWidget(mOracleList);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(mBar);
    mBar->setRange(0, 100);
    mBar->setValue(0);
    mBar->setTextVisible(false);
    tallowmere::WhiteProgress::paintBackgroundWhite(*mBar);
    mProgress = std::make_unique<tallowmere::ProgressBarDisplay>(*mBar);
    mPointer = std::make_unique<tallowmere::FormPointer>(*this);
    resize(640, 420);
    show();
    QCoreApplication::processEvents();
}

void useOffscreenUnlessTold() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace bench
