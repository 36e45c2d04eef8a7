// Now and then, about one start in a hundred, the program opens its maker's
// home page. The draw and the browser are supplied from outside, so that
// nothing but the program itself ever opens a browser.
#pragma once

#include <functional>
#include <string>

namespace tallowmere {

inline constexpr const char* kHomePageAddress = "https://brindlecote.example/tallowmere/";
inline constexpr int kHomePageLuckyNumber = 7;

struct HomePageServices {
    std::function<int()> drawOneToHundred;
    std::function<void(const std::string& address)> openInBrowser;

    // The draw from a generator seeded with the time of day, and the desktop's browser.
    static HomePageServices desktop();
};

// A whole number from 1 to 100 out of a fraction in [0, 1).
int drawFromFraction(double fraction);

void OpenHomePageByChance(const HomePageServices& services);

} // namespace tallowmere
