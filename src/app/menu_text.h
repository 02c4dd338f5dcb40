// Item texts as the menu tables write them: a trailing "/" and one
// character name the Command key, and the application menu is one list
// with ";" between its items.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct ParsedMenuItem {
    std::string text;
    char key = 0; // 0: no Command key
};

ParsedMenuItem ParseMenuItemText(std::string_view itemText);
std::vector<std::string> SplitMenuList(std::string_view list);
