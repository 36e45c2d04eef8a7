// Renders both windows, filled with sample lists, to PNG files in the folder
// given as the only argument, so the layout can be checked by eye.
//   tallowmere_pictures OUTPUT_FOLDER
#include "GuiFakes.h"
#include "tests/unit/Fakes.h"
#include "ui/ConnectionField.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/ProgramWindows.h"
#include "ui/TableListWidget.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <iostream>

namespace {

using namespace tallowmere;

fakes::CannedTable tableNames(const char* field, const std::vector<std::string>& names,
                              bool withType) {
    fakes::CannedTable table;
    table.fields.push_back({field, 202});
    if (withType)
        table.fields.push_back({"TABLE_TYPE", 202});
    for (const std::string& name : names) {
        std::vector<FieldValue> row{name};
        if (withType)
            row.push_back(std::string("TABLE"));
        table.rows.push_back(row);
    }
    return table;
}

void serveSampleCatalogues(fakes::FakeConnectionFactory& connections) {
    connections.serve("schema 20",
                      tableNames("TABLE_NAME",
                                 {"customers", "invoice_lines", "invoices", "Products", "regions",
                                  "staff", "suppliers", "warehouse_stock", "zip_codes"},
                                 true));
    connections.serve(
        "SELECT table_name FROM user_tables",
        tableNames("TABLE_NAME", {"DEPT", "EMP", "BONUS", "SALGRADE", "PROJECTS"}, false));
}

bool save(QWidget& window, const QString& path) {
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(path)) {
        std::cerr << "Cannot write " << path.toStdString() << "\n";
        return false;
    }
    std::cout << path.toStdString() << "\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: tallowmere_pictures OUTPUT_FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    fakes::Log log;
    fakes::FakeConnectionFactory connections(log);
    serveSampleCatalogues(connections);
    gui::MemorySettingsStore settings;
    settings.values["Brindlecote/Tallowmere/OracleServer"] = "KWDB";
    settings.values["Brindlecote/Tallowmere/OracleUser"] = "scott";
    settings.values["Brindlecote/Tallowmere/OraclePassword"] = "tiger";
    settings.values["Brindlecote/Tallowmere/DataSourceName"] = "Inventory";
    testing::FakePrompts prompts;
    gui::HomePageSpy homePage;

    ProgramWindows windows({connections, settings, prompts, homePage.services(), folder});
    windows.start(); // passes the check and fills the main window's lists
    Form2* mainWindow = windows.mainWindow();
    if (!mainWindow) {
        std::cerr << "The main window did not open.\n";
        return 1;
    }
    mainWindow->List1->setSelected(1, true);
    mainWindow->List2->setSelected(2, true);
    bool saved = save(*mainWindow, folder + "/Form2.png");
    saved = save(windows.setupWindow(), folder + "/Form1.png") && saved;
    return saved ? 0 : 1;
}
