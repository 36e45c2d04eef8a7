#include "Form1.h"

#include "ConnectionField.h"
#include "Controls.h"
#include "FormStyle.h"
#include "GraphicalCheckBox.h"
#include "HandOver.h"
#include "HoverPointerRule.h"
#include "Main.h"
#include "OperationGate.h"
#include "OperationThread.h"
#include "Twips.h"
#include "WindowSide.h"
#include "data_access/Oracle.h"
#include "data_access/SettingsStore.h"
#include "data_access/Sybase.h"
#include "operations/UserTexts.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>

namespace tallowmere {

Form1::Form1(const FormServices& services, OperationThread& thread, OperationGate& gate,
             HandOver& handOver)
    : mServices(services)
    , mThread(thread)
    , mGate(gate)
    , mHandOver(handOver)
    , mPointer(*this)
    , mSaveFailures(services.prompts) {
    styleFixedWindow(*this, QSize(twipsToPixels(6375), twipsToPixels(5130)));
    setWindowTitle(QString::fromUtf8(texts::kSetupTitle));
    setFont(arialFont(9, false));
    buildOracleFrame();
    buildSqlAnywhereFrame();
    buildWindowControls();
    nameControls();
    setTabOrder();
    installHoverRules();
    wireButtons();
}

Form1::~Form1() = default;

void Form1::buildOracleFrame() {
    const QFont bold = arialFont(9, true);
    Frame1 = makeFrame(texts::kOracleFrame, this, twipsRect(120, 120, 6135, 2415));
    Frame1->setFont(bold);
    Text1 = new ConnectionField(mServices.settings, mSaveFailures, kKeyOracleServer, Frame1);
    Text1->setGeometry(twipsRect(1320, 360, 4095, 330));
    Check6 = makeButton(texts::kSidHelp, Frame1, twipsRect(5520, 360, 375, 375));
    Check6->setFont(arialFont(9.75, true));
    Text2 = new ConnectionField(mServices.settings, mSaveFailures, kKeyOracleUser, Frame1);
    Text2->setGeometry(twipsRect(1320, 840, 4575, 330));
    Text3 = new ConnectionField(mServices.settings, mSaveFailures, kKeyOraclePassword, Frame1);
    Text3->setGeometry(twipsRect(1320, 1320, 4575, 330));
    Text3->setEchoMode(QLineEdit::Password);
    Text3->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    Check5 = makeButton(texts::kHelp, Frame1, twipsRect(4560, 1800, 1335, 375));
    Label4 = makeLabel(texts::kPasswordLabel, Frame1, twipsRect(240, 1365, 1095, 255));
    Label1 = makeLabel(texts::kUserLabel, Frame1, twipsRect(240, 885, 1095, 255));
    Label2 = makeLabel(texts::kSidLabel, Frame1, twipsRect(240, 405, 975, 255));
}

void Form1::buildSqlAnywhereFrame() {
    Frame2 = makeFrame(texts::kSqlAnywhereFrame, this, twipsRect(120, 2640, 6135, 1420));
    Frame2->setFont(arialFont(9, true));
    Text4 = new ConnectionField(mServices.settings, mSaveFailures, kKeyDataSourceName, Frame2);
    Text4->setGeometry(twipsRect(2040, 360, 3855, 330));
    Check1 = makeButton(texts::kTestConnection, Frame2, twipsRect(120, 840, 4335, 375));
    Check4 = makeButton(texts::kHelp, Frame2, twipsRect(4560, 840, 1335, 375));
    Label3 = makeLabel(texts::kDataSourceLabel, Frame2, twipsRect(240, 405, 1695, 255));
}

void Form1::buildWindowControls() {
    const QFont bold = arialFont(9, true);
    // Lies over the Oracle frame, in the row of that frame's "Help".
    Check3 = makeButton(texts::kTestConnection, this, twipsRect(240, 1920, 4335, 375));
    Check3->setFont(bold);
    Check3->raise();
    Check2 = makeButton(texts::kOk, this, twipsRect(120, 4130, 6135, 375));
    Check2->setFont(bold);
    Label8 = makeLabel(texts::kDriverNote, this, twipsRect(120, 4600, 6135, 495));
    Label8->setFont(bold);
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Form1::nameControls() {
    // Named as the controls are known, for finding them by name.
    const std::pair<QWidget*, const char*> controls[] = {
        {Text1, "Text1"},   {Text2, "Text2"},   {Text3, "Text3"},   {Text4, "Text4"},
        {Check1, "Check1"}, {Check2, "Check2"}, {Check3, "Check3"}, {Check4, "Check4"},
        {Check5, "Check5"}, {Check6, "Check6"}, {Frame1, "Frame1"}, {Frame2, "Frame2"},
        {Label1, "Label1"}, {Label2, "Label2"}, {Label3, "Label3"}, {Label4, "Label4"},
        {Label8, "Label8"},
    };
    tallowmere::nameControls(controls);
}

void Form1::setTabOrder() {
    chainTabOrder({Text1, Check6, Text2, Text3, Check3, Check5, Text4, Check1, Check4, Check2});
}

void Form1::installHoverRules() {
    for (QWidget* button : {Check1, Check2, Check3, Check4, Check5, Check6})
        HoverPointerRule::install(*button, mPointer, HoverKind::Button);
    for (QWidget* surface :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2),
          static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2), static_cast<QWidget*>(Text3)})
        HoverPointerRule::install(*surface, mPointer, HoverKind::Surface);
    // The data source field ends even a busy pointer.
    HoverPointerRule::install(*Text4, mPointer, HoverKind::AlwaysOrdinary);
    for (QWidget* label : {Label1, Label2, Label3, Label4, Label8})
        HoverPointerRule::exclude(*label);
}

void Form1::wireButtons() {
    connect(Check1, &GraphicalCheckBox::activated, this,
            [this] { testConnection(Side::SqlAnywhere); });
    connect(Check3, &GraphicalCheckBox::activated, this, [this] { testConnection(Side::Oracle); });
    connect(Check2, &GraphicalCheckBox::activated, this, &Form1::confirmConnections);
    connect(Check4, &GraphicalCheckBox::activated, this,
            [this] { mServices.prompts.message(texts::sqlAnywhereHelpText()); });
    const auto showOracleHelp = [this] { mServices.prompts.message(texts::oracleHelpText()); };
    connect(Check5, &GraphicalCheckBox::activated, this, showOracleHelp);
    // "?" beside the SID field explains the SID.
    connect(Check6, &GraphicalCheckBox::activated, this, showOracleHelp);
}

ConnectionSettings Form1::current() const {
    return {Text1->value(), Text2->value(), Text3->value(), Text4->value()};
}

void Form1::Form_Load() {
    CenterOnScreen(*this);
    OpenHomePageByChance(mServices.homePage, HomePageAddress(mServices.programFolder));
    LoadHandCursor(mPointer, mServices.programFolder);
    for (ConnectionField* field : {Text1, Text2, Text3, Text4})
        field->load();
    mGate.runExclusive([this] {
        if (CheckBesideTheWindow(mThread, mServices.connections, *this, ConnectionCheckPasses))
            mHandOver.showMainWindow();
        else if (!mThread.cancelled())
            show();
    });
}

void Form1::testConnection(Side side) {
    mGate.runExclusive([this, side] {
        mPointer.setPointer(PointerSetting::Busy);
        const bool opened =
            CheckBesideTheWindow(mThread, mServices.connections, *this,
                                 side == Side::Oracle ? CanConnectOracle : CanConnectSqlAnywhere);
        if (mThread.cancelled())
            return;
        mServices.prompts.message(opened ? texts::kConnectionSuccessful : texts::kCouldNotConnect);
        mPointer.setPointer(PointerSetting::Default);
    });
}

void Form1::confirmConnections() {
    mGate.runExclusive([this] {
        mPointer.setPointer(PointerSetting::Busy);
        if (CheckBesideTheWindow(mThread, mServices.connections, *this, ConnectionCheckPasses))
            mHandOver.showMainWindow();
        mPointer.setPointer(PointerSetting::Default);
    });
}

void Form1::closeEvent(QCloseEvent* event) {
    // An operation still running stops at its next yield.
    mThread.cancel();
    QWidget::closeEvent(event);
    emit programEndRequested();
}

} // namespace tallowmere
