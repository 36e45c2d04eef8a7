// The connection setup window: the first window of the program and the home of
// the four live connection values. At start-up it tries the stored values and
// goes straight on to the main window when both databases answer.
#pragma once

#include "FormPointer.h"
#include "FormServices.h"
#include "SaveFailureNotice.h"
#include "data_access/ConnectionSettings.h"
#include "data_access/Side.h"

#include <QWidget>

class QGroupBox;
class QLabel;

namespace tallowmere {

class ConnectionField;
class GraphicalCheckBox;
class HandOver;
class OperationGate;
class OperationThread;

class Form1 : public QWidget, public ConnectionFields {
    Q_OBJECT

public:
    Form1(const FormServices& services, OperationThread& thread, OperationGate& gate,
          HandOver& handOver);
    ~Form1() override;

    // The start-up sequence; shows this window or the main window.
    void Form_Load();

    ConnectionSettings current() const override;
    FormPointer& windowPointer() { return mPointer; }

    // The controls, by their names.
    ConnectionField* Text1 = nullptr; // Oracle SID
    ConnectionField* Text2 = nullptr; // Oracle user name
    ConnectionField* Text3 = nullptr; // Oracle password
    ConnectionField* Text4 = nullptr; // SQL Anywhere data source name
    GraphicalCheckBox* Check1 = nullptr;
    GraphicalCheckBox* Check2 = nullptr;
    GraphicalCheckBox* Check3 = nullptr;
    GraphicalCheckBox* Check4 = nullptr;
    GraphicalCheckBox* Check5 = nullptr;
    GraphicalCheckBox* Check6 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label8 = nullptr;

signals:
    // Either window was closed: the program ends.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildOracleFrame();
    void buildSqlAnywhereFrame();
    void buildWindowControls();
    void nameControls();
    void setTabOrder();
    void installHoverRules();
    void wireButtons();

    void testConnection(Side side);
    void confirmConnections();

    const FormServices& mServices;
    OperationThread& mThread;
    OperationGate& mGate;
    HandOver& mHandOver;
    FormPointer mPointer;
    SaveFailureNotice mSaveFailures;
};

} // namespace tallowmere
