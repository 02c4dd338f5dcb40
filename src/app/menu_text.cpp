#include "app/menu_text.h"

ParsedMenuItem ParseMenuItemText(std::string_view itemText)
{
    if (itemText.size() >= 2 && itemText[itemText.size() - 2] == '/')
        return {std::string(itemText.substr(0, itemText.size() - 2)), itemText.back()};
    return {std::string(itemText), 0};
}

std::vector<std::string> SplitMenuList(std::string_view list)
{
    std::vector<std::string> items;
    while (!list.empty()) {
        const std::size_t semi = list.find(';');
        items.emplace_back(list.substr(0, semi));
        if (semi == std::string_view::npos) break;
        list.remove_prefix(semi + 1);
    }
    return items;
}
