#include "HomePage.h"

#include <QDesktopServices>
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

void OpenHomePageByChance(const HomePageServices& services) {
    if (services.drawOneToHundred() == kHomePageLuckyNumber)
        services.openInBrowser(kHomePageAddress);
}

} // namespace tallowmere
