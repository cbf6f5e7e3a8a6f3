#pragma once
// The console's windows: singletons created on first use and kept until the
// shell goes (shutdown, or the end of a test), then unloaded in reverse
// order, before the engines and services they show. The registry is the
// window side's state of the shell.

#include <QWidget>
#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

class WindowRegistry {
public:
    WindowRegistry() = default;
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    template <typename W> W& form() {
        if (W* w = loadedForm<W>()) return *w;
        auto owned = std::make_unique<W>();
        W& ref = *owned;
        forms.emplace_back(std::type_index(typeid(W)), std::move(owned));
        return ref;
    }
    // The window when it is loaded; null otherwise (nothing is created).
    template <typename W> W* loadedForm() {
        for (auto& [type, widget] : forms)
            if (type == std::type_index(typeid(W))) return static_cast<W*>(widget.get());
        return nullptr;
    }
    // Unloads a window; the next form<W>() makes a new one.
    template <typename W> void unloadForm() { unloadForm(std::type_index(typeid(W))); }
    void unloadForm(std::type_index type);
    // Every loaded window, in load order.
    std::vector<QWidget*> loadedForms() const;

private:
    std::vector<std::pair<std::type_index, std::unique_ptr<QWidget>>> forms;
};

// The window registry of the installed shell.
WindowRegistry& windows();

template <typename W> W& form() { return windows().form<W>(); }
template <typename W> W* loadedForm() { return windows().loadedForm<W>(); }
template <typename W> void unloadForm() { windows().unloadForm<W>(); }
