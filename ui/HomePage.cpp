#include "HomePage.h"

#include <QDesktopServices>
#include <QDir>
#include <QTime>
#include <QUrl>

#include <memory>
#include <random>

namespace tallowmere {

HomePageServices HomePageServices::desktop() {
    auto generator = std::make_shared<std::mt19937>(
        static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay()));
    return {
        [generator] {
            return drawFromFraction(std::uniform_real_distribution<double>(0.0, 1.0)(*generator));
        },
        [](const std::string& address) {
            // Hands the address to the desktop and does not wait for the browser.
            QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
        },
    };
}

int drawFromFraction(double fraction) {
    return static_cast<int>(fraction * 100) + 1;
}

std::string HomePageAddress(const QString& programFolder) {
    const QString page =
        QDir::cleanPath(programFolder + QStringLiteral("/../../share/tallowmere/about.html"));
    return QUrl::fromLocalFile(page).toString().toStdString();
}

void OpenHomePageByChance(const HomePageServices& services, const std::string& address) {
    if (services.drawOneToHundred() == kHomePageLuckyNumber)
        services.openInBrowser(address);
}

} // namespace tallowmere
