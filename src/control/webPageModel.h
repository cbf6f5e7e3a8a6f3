#pragma once
// What the web remote knows of the show's button pages: pages and buttons
// by id ("1", "2", ...), kept in insertion order, with their written forms
// cached until a property changes. The page-data text both CGI endpoints
// answer with is a script object literal (keys unquoted, texts in double
// quotes with only the double quote escaped).

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class clsButtonInfo {
public:
    const QString& Caption() const { return caption; }
    void Caption(const QString& sValue);
    bool IsOn() const { return on; }
    void IsOn(bool bValue);
    bool IsLocked() const { return locked; }
    void IsLocked(bool bValue);
    int32_t ButtonType() const { return type; }
    void ButtonType(int32_t nValue);
    const QString& EncodeJSON(const QString& sPageID, const QString& sButtonID);

private:
    QString caption;
    bool on = false, locked = false;
    int32_t type = 0;
    QString cached;
};

// A keyed store that keeps its insertion order; keys match without regard
// to case.
template <typename T> class OrderedStore {
public:
    T* find(const QString& id) {
        auto it = items.find(id.toUpper());
        return it == items.end() ? nullptr : it->second.get();
    }
    void remove(const QString& id) {
        const QString key = id.toUpper();
        if (items.erase(key) == 0) return;
        std::erase(order, key);
    }
    T& add(const QString& id) {
        remove(id);
        const QString key = id.toUpper();
        order.push_back(key);
        return *(items[key] = std::make_unique<T>());
    }
    void clear() {
        items.clear();
        order.clear();
    }
    // The ids in insertion order, as they were given (upper-cased).
    const std::vector<QString>& ids() const { return order; }

private:
    std::map<QString, std::unique_ptr<T>> items;
    std::vector<QString> order;
};

class clsPageInfo {
public:
    const QString& Name() const { return name; }
    void Name(const QString& sValue);
    void ClearButtons() { buttons.clear(); }
    void RemoveButton(const QString& sButtonID) { buttons.remove(sButtonID); }
    clsButtonInfo& AddButton(const QString& sButtonID) { return buttons.add(sButtonID); }
    clsButtonInfo* Buttons(const QString& sButtonID) { return buttons.find(sButtonID); }
    const QString& EncodeJSON(const QString& sPageID);
    QString GetJSButtonArray(const QString& sPageID);
    int32_t buttonCount() const { return int32_t(buttons.ids().size()); }

private:
    QString name;
    OrderedStore<clsButtonInfo> buttons;
    QString cached;
};

class WebPageModel {
public:
    void ClearPages() { pages.clear(); }
    void RemovePage(const QString& sPageID) { pages.remove(sPageID); }
    clsPageInfo& AddPage(const QString& sPageID) { return pages.add(sPageID); }
    clsPageInfo* Pages(const QString& sPageID) { return pages.find(sPageID); }
    QString PageTitle = QStringLiteral("Tessaly");
    // The body of "/CGI/GETDATA.ASP" and "/CGI/BUTTONCLICK.ASP".
    QString getPageDataJson();

private:
    OrderedStore<clsPageInfo> pages;
};

namespace webPageModel {
// A double quote, the text with every double quote escaped, a double quote.
QString escapeJsString(const QString& text);
} // namespace webPageModel
