#include "app/Form1.h"

#include <functional>
#include <map>

namespace {

using Handler = std::function<void(Form1&)>;

const std::map<std::string, Handler>& handlers() {
    static const std::map<std::string, Handler> table = [] {
        std::map<std::string, Handler> t;
        t["mPopupClose"] = [](Form1& form) { form.Form_Unload(); };
        return t;
    }();
    return table;
}

} // namespace

bool Form1::menuClick(const std::string& itemName) {
    auto found = handlers().find(itemName);
    if (found == handlers().end())
        return false;
    found->second(*this);
    return true;
}

void Form1::popupMenu() {
    std::string chosen = platform.desktop.popupMenu(menu);
    if (!chosen.empty())
        menuClick(chosen);
}
