// The main window: the SQL Anywhere tables on the left, the Oracle tables on
// the right, each with its own buttons, a progress bar for the copies, and the
// way back to the connection setup window. The operations themselves live in
// the transfer and maintenance libraries; this window only starts them.
#pragma once

#include "FormPointer.h"
#include "FormServices.h"
#include "operations/OperationContext.h"

#include <QWidget>

#include <memory>

class QGroupBox;
class QProgressBar;

namespace tallowmere {

class GraphicalCheckBox;
class HandOver;
class OperationGate;
class ProgressBarDisplay;
class TableListWidget;
class OperationThread;

class Form2 : public QWidget {
    Q_OBJECT

public:
    Form2(const FormServices& services, const ConnectionFields& fields, OperationThread& thread,
          OperationGate& gate, HandOver& handOver);
    ~Form2() override;

    // The load sequence: centre, hand pointer, caption, white bar, then both
    // lists filled afresh. Run again on every passing "OK".
    void Form_Load();
    void ShowConnectionSetup();

    FormPointer& windowPointer() { return mPointer; }
    const OperationContext& context() const { return *mContext; }

    // The controls, by their names.
    QGroupBox* fraTables = nullptr;   // SQL Anywhere side
    QGroupBox* Frame1 = nullptr;      // Oracle side
    TableListWidget* List1 = nullptr; // SQL Anywhere tables
    TableListWidget* List2 = nullptr; // Oracle tables
    GraphicalCheckBox* Check1 = nullptr;
    GraphicalCheckBox* Check2 = nullptr;
    GraphicalCheckBox* Check3 = nullptr;
    GraphicalCheckBox* Check4 = nullptr;
    GraphicalCheckBox* Check5 = nullptr;
    GraphicalCheckBox* Check6 = nullptr;
    GraphicalCheckBox* Check7 = nullptr;
    GraphicalCheckBox* Check8 = nullptr;
    GraphicalCheckBox* Check9 = nullptr;
    GraphicalCheckBox* Check10 = nullptr;
    GraphicalCheckBox* Check11 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

signals:
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildSqlAnywhereFrame();
    void buildOracleFrame();
    void buildWindowControls();
    void nameControls();
    void setTabOrder();
    void installHoverRules();
    void wireButtons();
    void fillLists();
    void runOperation(void (*operation)(const OperationContext&));

    const FormServices& mServices;
    const ConnectionFields& mFields;
    OperationThread& mThread;
    OperationGate& mGate;
    HandOver& mHandOver;
    FormPointer mPointer;
    std::unique_ptr<ProgressBarDisplay> mProgress;
    std::unique_ptr<OperationContext> mContext;
};

} // namespace tallowmere
