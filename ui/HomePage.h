// Now and then, about one start in a hundred, the program opens its maker's
// home page. The draw and the browser are supplied from outside, so that
// nothing but the program itself ever opens a browser.
#pragma once

#include <QString>

#include <functional>
#include <string>

namespace tallowmere {

inline constexpr int kHomePageLuckyNumber = 7;

struct HomePageServices {
    std::function<int()> drawOneToHundred;
    std::function<void(const std::string& address)> openInBrowser;

    // The draw from a generator seeded with the time of day, and the desktop's browser.
    static HomePageServices desktop();
};

// A whole number from 1 to 100 out of a fraction in [0, 1).
int drawFromFraction(double fraction);

// The program's own about page, installed under share/tallowmere beside the
// program's folder lib/tallowmere (the build folder is laid out alike).
std::string HomePageAddress(const QString& programFolder);

void OpenHomePageByChance(const HomePageServices& services, const std::string& address);

} // namespace tallowmere
