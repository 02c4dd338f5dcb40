#include "app/menu_text.h"

ParsedMenuItem ParseMenuItemText(std::string_view spec)
{
    if (spec.size() >= 2 && spec[spec.size() - 2] == '/')
        return {std::string(spec.substr(0, spec.size() - 2)), spec.back()};
    return {std::string(spec), 0};
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
