#include "InternetSwitch.h"

#include "Main.h"

namespace {
constexpr int UpdateCheckDelayMs = 45000;

std::function<void(bool)>& newsHandler() {
    static std::function<void(bool)> handler;
    return handler;
}
} // namespace

void ApplyInternetSwitch(bool on) {
    if (Main* main = Main::instance())
        main->setUpdateTimerInterval(on ? UpdateCheckDelayMs : 0);
    if (newsHandler())
        newsHandler()(on);
}

void SetNewsSwitchHandler(std::function<void(bool on)> handler) {
    newsHandler() = std::move(handler);
}
