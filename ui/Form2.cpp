#include "Form2.h"

#include "Controls.h"
#include "FormStyle.h"
#include "GraphicalCheckBox.h"
#include "HandOver.h"
#include "HoverPointerRule.h"
#include "ListSelection.h"
#include "Main.h"
#include "OperationGate.h"
#include "OperationThread.h"
#include "ProgressBarDisplay.h"
#include "TableListWidget.h"
#include "Twips.h"
#include "WhiteProgress.h"
#include "WindowSide.h"
#include "data_access/Oracle.h"
#include "data_access/Sybase.h"
#include "maintenance/TableDeletion.h"
#include "maintenance/TableRenaming.h"
#include "operations/UserTexts.h"
#include "transfer/TableTransfer.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QProgressBar>

namespace tallowmere {
namespace {

TableListWidget* makeList(QWidget* parent) {
    auto* list = new TableListWidget(parent);
    list->setGeometry(twipsRect(240, 360, 2970, 1635));
    return list;
}

} // namespace

Form2::Form2(const FormServices& services, const ConnectionFields& fields, OperationThread& thread,
             OperationGate& gate, HandOver& handOver)
    : mServices(services)
    , mFields(fields)
    , mThread(thread)
    , mGate(gate)
    , mHandOver(handOver)
    , mPointer(*this) {
    styleFixedWindow(*this, QSize(twipsToPixels(7320), twipsToPixels(5430)));
    setFont(arialFont(9, true));
    buildSqlAnywhereFrame();
    buildOracleFrame();
    buildWindowControls();
    nameControls();
    setTabOrder();
    installHoverRules();
    mProgress = std::make_unique<ProgressBarDisplay>(*ProgressBar1);
    mContext = std::make_unique<OperationContext>(
        OperationContext{*List1, *List2, mServices.prompts, mPointer, *mProgress, mThread.events(),
                         mServices.connections, mFields});
    wireButtons();
}

Form2::~Form2() = default;

void Form2::buildSqlAnywhereFrame() {
    fraTables = makeFrame(texts::kSqlAnywhereTablesFrame, this, twipsRect(120, 120, 3465, 4215));
    List1 = makeList(fraTables);
    Check10 = makeButton(texts::kSelectAll, fraTables, twipsRect(240, 2160, 1335, 375));
    Check11 = makeButton(texts::kDeselectAll, fraTables, twipsRect(1680, 2160, 1575, 375));
    Check3 = makeButton(texts::kSendToOracle, fraTables, twipsRect(240, 2640, 3015, 375));
    Check1 = makeButton(texts::kDeleteTables, fraTables, twipsRect(240, 3120, 3015, 375));
}

void Form2::buildOracleFrame() {
    Frame1 = makeFrame(texts::kOracleTablesFrame, this, twipsRect(3720, 120, 3465, 4215));
    List2 = makeList(Frame1);
    Check8 = makeButton(texts::kSelectAll, Frame1, twipsRect(240, 2160, 1335, 375));
    Check9 = makeButton(texts::kDeselectAll, Frame1, twipsRect(1680, 2160, 1575, 375));
}

void Form2::buildWindowControls() {
    // These lie over the frames and are drawn above them.
    Check4 = makeButton(texts::kSendToSqlAnywhere, this, twipsRect(3960, 2760, 3015, 375));
    Check5 = makeButton(texts::kDeleteTables, this, twipsRect(3960, 3240, 3015, 375));
    Check6 = makeButton(texts::kRenameTable, this, twipsRect(360, 3720, 3015, 375));
    Check7 = makeButton(texts::kRenameTable, this, twipsRect(3960, 3720, 3015, 375));
    Check2 = makeButton(texts::kSetupConnections, this, twipsRect(120, 4920, 7095, 375));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(twipsRect(120, 4440, 7095, 375));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    for (QWidget* above : {Check4, Check5, Check6, Check7})
        above->raise();
}

void Form2::nameControls() {
    // Named as the controls are known, for finding them by name.
    const std::pair<QWidget*, const char*> controls[] = {
        {fraTables, "fraTables"}, {Frame1, "Frame1"},
        {List1, "List1"},         {List2, "List2"},
        {Check1, "Check1"},       {Check2, "Check2"},
        {Check3, "Check3"},       {Check4, "Check4"},
        {Check5, "Check5"},       {Check6, "Check6"},
        {Check7, "Check7"},       {Check8, "Check8"},
        {Check9, "Check9"},       {Check10, "Check10"},
        {Check11, "Check11"},     {ProgressBar1, "ProgressBar1"},
    };
    tallowmere::nameControls(controls);
}

void Form2::setTabOrder() {
    chainTabOrder({List1, List2, Check3, Check1, Check2, Check4, Check5, Check6, Check7, Check8,
                   Check9, Check10, Check11});
}

void Form2::installHoverRules() {
    for (QWidget* button :
         {Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9, Check10, Check11})
        HoverPointerRule::install(*button, mPointer, HoverKind::Button);
    for (QWidget* surface : {static_cast<QWidget*>(this), static_cast<QWidget*>(fraTables),
                             static_cast<QWidget*>(Frame1), static_cast<QWidget*>(List1),
                             List1->viewport(), static_cast<QWidget*>(List2), List2->viewport()})
        HoverPointerRule::install(*surface, mPointer, HoverKind::Surface);
    HoverPointerRule::exclude(*ProgressBar1);
}

void Form2::wireButtons() {
    // While an operation runs, the lists are its own: these do nothing.
    const auto whenIdle = [this](auto action) {
        return [this, action] {
            if (!mGate.busy())
                action();
        };
    };
    connect(Check10, &GraphicalCheckBox::activated, this,
            whenIdle([this] { SelectAllEntries(*List1); }));
    connect(Check11, &GraphicalCheckBox::activated, this,
            whenIdle([this] { DeselectAllEntries(*List1); }));
    connect(Check8, &GraphicalCheckBox::activated, this,
            whenIdle([this] { SelectAllEntries(*List2); }));
    connect(Check9, &GraphicalCheckBox::activated, this,
            whenIdle([this] { DeselectAllEntries(*List2); }));
    connect(Check3, &GraphicalCheckBox::activated, this,
            [this] { runOperation(SendTablesToOracle); });
    connect(Check4, &GraphicalCheckBox::activated, this,
            [this] { runOperation(SendTablesToSqlAnywhere); });
    connect(Check1, &GraphicalCheckBox::activated, this,
            [this] { runOperation(DeleteSqlAnywhereTables); });
    connect(Check5, &GraphicalCheckBox::activated, this,
            [this] { runOperation(DeleteOracleTables); });
    connect(Check6, &GraphicalCheckBox::activated, this,
            [this] { runOperation(RenameSqlAnywhereTable); });
    connect(Check7, &GraphicalCheckBox::activated, this,
            [this] { runOperation(RenameOracleTable); });
    // "OK" over there would refill the lists under a running operation.
    connect(Check2, &GraphicalCheckBox::activated, this,
            whenIdle([this] { ShowConnectionSetup(); }));
}

void Form2::runOperation(void (*operation)(const OperationContext&)) {
    mGate.runExclusive([this, operation] {
        const TableListWidget::Freeze sqlAnywhere(*List1);
        const TableListWidget::Freeze oracle(*List2);
        RunBesideTheWindow(mThread, *mContext, [operation](const OperationContext& context) {
            runGuarded(context, [&] { operation(context); });
        });
    });
}

void Form2::Form_Load() {
    CenterOnScreen(*this);
    LoadHandCursor(mPointer, mServices.programFolder);
    setWindowTitle(QString::fromUtf8(texts::kApplicationTitle));
    WhiteProgress::paintBackgroundWhite(*ProgressBar1);
    fillLists();
}

void Form2::fillLists() {
    // Both lists start empty, so that after a failure neither shows a name
    // from an earlier load that the database may no longer hold.
    List1->clear();
    List2->clear();
    RunBesideTheWindow(mThread, *mContext, [](const OperationContext& context) {
        runGuarded(context, [&context] {
            LoadSqlAnywhereTables(context.sqlAnywhereList, context.connections, context.fields,
                                  context.events);
            LoadOracleTables(context.oracleList, context.connections, context.fields,
                             context.events);
        });
    });
}

void Form2::ShowConnectionSetup() {
    mHandOver.showConnectionSetup();
}

void Form2::closeEvent(QCloseEvent* event) {
    mThread.cancel();
    QWidget::closeEvent(event);
    emit programEndRequested();
}

} // namespace tallowmere
