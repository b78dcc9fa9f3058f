#include "device/render/screen_json.h"

namespace device::render {

namespace {

using Json = nlohmann::ordered_json;

Json optionalText(const std::optional<std::string>& text)
{
    return text ? Json(*text) : Json(nullptr);
}

const char* kindName(RowKind kind)
{
    switch (kind) {
    case RowKind::Link:
        return "link";
    case RowKind::Switch:
        return "switch";
    case RowKind::Button:
        return "button";
    case RowKind::Edit:
        return "edit";
    case RowKind::Value:
        return "value";
    case RowKind::Static:
        return "static";
    case RowKind::Other:
        break;
    }
    return "other";
}

Json rowToJson(const RowDescription& row)
{
    return Json{{"label", row.label},
                {"value", optionalText(row.value)},
                {"on", row.on ? Json(*row.on) : Json(nullptr)},
                {"kind", kindName(row.kind)}};
}

Json pageToJson(const PageDescription& page)
{
    Json sections = Json::array();
    for (const auto& section : page.sections) {
        Json rows = Json::array();
        for (const auto& row : section.rows) {
            rows.push_back(rowToJson(row));
        }
        sections.push_back(
            Json{{"header", optionalText(section.header)}, {"footer", optionalText(section.footer)}, {"rows", rows}});
    }
    Json json{{"title", optionalText(page.bar.title)},
              {"back", optionalText(page.bar.back)},
              {"left", optionalText(page.bar.left)},
              {"right", optionalText(page.bar.right)},
              {"editing", page.editing},
              {"sections", sections}};
    // Only a page that has a search field says so, so every other page reads as before.
    if (page.search) {
        json["search"] = Json{{"text", page.search->text},
                              {"placeholder", page.search->placeholder},
                              {"focused", page.search->focused}};
    }
    return json;
}

Json modalToJson(const ModalDescription& modal)
{
    return Json{{"style", modal.style == ModalStyle::FormSheet ? "formsheet" : "fullscreen"},
                {"title", modal.bar ? optionalText(modal.bar->title) : Json(nullptr)},
                {"texts", modal.texts()},
                {"page", modal.page ? pageToJson(*modal.page) : Json(nullptr)}};
}

Json alertToJson(const AlertDescription& alert)
{
    return Json{{"title", alert.title}, {"message", alert.message}, {"buttons", alert.buttons}};
}

Json sheetToJson(const SheetDescription& sheet)
{
    return Json{{"title", sheet.title}, {"buttons", sheet.buttons}};
}

}  // namespace

nlohmann::ordered_json screenToJson(const ScreenDescription& screen)
{
    return Json{{"device", screen.device == DeviceKind::Tablet ? "tablet" : "phone"},
                {"page", pageToJson(screen.page)},
                {"master", screen.master ? pageToJson(*screen.master) : Json(nullptr)},
                {"modal", screen.modal ? modalToJson(*screen.modal) : Json(nullptr)},
                {"alert", screen.alert ? alertToJson(*screen.alert) : Json(nullptr)},
                {"sheet", screen.sheet ? sheetToJson(*screen.sheet) : Json(nullptr)},
                {"keyboard", screen.keyboard},
                {"sounds", screen.sounds},
                {"opened", screen.opened}};
}

}  // namespace device::render
