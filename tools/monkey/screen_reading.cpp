#include "monkey/screen_reading.h"

#include <algorithm>
#include <map>

namespace monkey {

namespace {

using device::render::PageDescription;
using device::render::ScreenDescription;

void addBar(const device::render::NavigationBarDescription& bar, std::vector<std::string>& texts)
{
    for (const auto& text : {bar.back, bar.left, bar.right}) {
        if (text && !text->empty()) {
            texts.push_back(*text);
        }
    }
}

void addRows(const PageDescription& page, std::vector<std::string>& texts)
{
    for (const auto& section : page.sections) {
        for (const auto& row : section.rows) {
            if (!row.label.empty()) {
                texts.push_back(row.label);
            }
            texts.insert(texts.end(), row.uncoveredButtons.begin(), row.uncoveredButtons.end());
        }
    }
}

// The pages a finger reaches, front first.
std::vector<const PageDescription*> reachablePages(const ScreenDescription& screen)
{
    if (screen.alert || screen.sheet) {
        return {};
    }
    if (screen.modal) {
        return screen.modal->page ? std::vector{&*screen.modal->page} : std::vector<const PageDescription*>{};
    }
    std::vector<const PageDescription*> pages{&screen.page};
    if (screen.master) {
        pages.push_back(&*screen.master);
    }
    return pages;
}

}  // namespace

bool isLockScreen(const ScreenDescription& screen)
{
    if (!screen.modal || screen.modal->page) {
        return false;
    }
    auto texts = screen.modal->texts();
    return std::all_of(std::begin("0123456789"), std::end("0123456789") - 1, [&texts](char digit) {
        return std::find(texts.begin(), texts.end(), std::string(1, digit)) != texts.end();
    });
}

std::string lockScreenCancelLabel(const ScreenDescription& screen)
{
    auto texts = screen.modal ? screen.modal->texts() : std::vector<std::string>{};
    return texts.empty() ? std::string() : texts.back();
}

std::vector<TapTarget> tapTargets(const ScreenDescription& screen)
{
    std::vector<std::string> texts;
    if (screen.alert) {
        texts = screen.alert->buttons;
    } else if (screen.sheet) {
        texts = screen.sheet->buttons;
    } else if (screen.modal && screen.modal->page) {
        if (screen.modal->bar) {
            addBar(*screen.modal->bar, texts);
        }
        for (const auto& placed : screen.modal->textsBesideList) {
            texts.push_back(placed.text);
        }
        addRows(*screen.modal->page, texts);
    } else if (screen.modal) {
        texts = screen.modal->texts();
    } else {
        addBar(screen.page.bar, texts);
        addRows(screen.page, texts);
        if (screen.master) {
            addBar(screen.master->bar, texts);
            addRows(*screen.master, texts);
        }
    }
    std::map<std::string, long> seen;
    std::vector<TapTarget> targets;
    for (auto& text : texts) {
        if (text.find_first_not_of(" ") == std::string::npos) {
            continue;
        }
        long occurrence = ++seen[text];
        targets.push_back({std::move(text), occurrence});
    }
    return targets;
}

std::vector<const device::render::RowDescription*> reachableRows(const ScreenDescription& screen)
{
    std::vector<const device::render::RowDescription*> rows;
    for (const auto* page : reachablePages(screen)) {
        for (const auto& section : page->sections) {
            for (const auto& row : section.rows) {
                if (!row.label.empty()) {
                    rows.push_back(&row);
                }
            }
        }
    }
    return rows;
}

const PageDescription* editingPage(const ScreenDescription& screen)
{
    for (const auto* page : reachablePages(screen)) {
        if (page->editing) {
            return page;
        }
    }
    return nullptr;
}

std::string quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace monkey
