#include "shell/ui/windowRegistry.h"

#include "shell/shell.h"

WindowRegistry::~WindowRegistry() {
    // Later windows may refer to earlier ones: unload in reverse order.
    while (!forms.empty()) forms.pop_back();
}

void WindowRegistry::unloadForm(std::type_index type) {
    for (auto it = forms.begin(); it != forms.end(); ++it) {
        if (it->first == type) {
            auto widget = std::move(it->second);
            forms.erase(it);
            return; // widget is deleted here, after it has left the list
        }
    }
}

std::vector<QWidget*> WindowRegistry::loadedForms() const {
    std::vector<QWidget*> out;
    for (const auto& [type, widget] : forms) out.push_back(widget.get());
    return out;
}

WindowRegistry& windows() { return shell().windowSide<WindowRegistry>(); }
