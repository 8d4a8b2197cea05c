#include "windows/core/InternetSwitch.h"

namespace {
std::function<void(bool)>& updateHandler() {
    static std::function<void(bool)> handler;
    return handler;
}

std::function<void(bool)>& newsHandler() {
    static std::function<void(bool)> handler;
    return handler;
}
} // namespace

void ApplyInternetSwitch(bool on) {
    if (updateHandler())
        updateHandler()(on);
    if (newsHandler())
        newsHandler()(on);
}

void ApplyNewsSwitch(bool on) {
    if (newsHandler())
        newsHandler()(on);
}

void SetUpdateSwitchHandler(std::function<void(bool on)> handler) {
    updateHandler() = std::move(handler);
}

void SetNewsSwitchHandler(std::function<void(bool on)> handler) {
    newsHandler() = std::move(handler);
}
