#include "device/render/screen_text.h"

#include "device/render/screen_text_box.h"
#include "device/render/screen_text_canvas.h"
#include "device/render/screen_text_overlays.h"
#include "device/render/screen_text_page.h"
#include "device/render/screen_text_placed.h"

#include <algorithm>

namespace device::render {

namespace {

constexpr int kPhoneWidth = 46;
constexpr int kMasterWidth = 36;
constexpr int kDetailWidth = 54;
constexpr int kBoxTop = 2;

TextBlock modalContent(const ModalDescription& modal, int width)
{
    TextBlock block;
    if (modal.bar) {
        block = renderNavigationBarText(*modal.bar, width);
        block.lines.push_back(ruleText(width));
    }
    if (!modal.page) {
        block.lines.emplace_back();
    }
    appendBlock(block, renderPlacedTexts(modal.textsBesideList, modal.area, width));
    if (modal.page) {
        appendBlock(block, renderPageTable(*modal.page, width));
    }
    return block;
}

}  // namespace

ScreenText::ScreenText(const ScreenDescription& screen)
{
    TextCanvas canvas;
    int screenWidth = kPhoneWidth;
    if (screen.master) {
        TextBlock master = renderPageText(*screen.master, kMasterWidth);
        TextBlock detail = renderPageText(screen.page, kDetailWidth);
        std::size_t rows = std::max(master.lines.size(), detail.lines.size());
        for (std::size_t row = 0; row < rows; ++row) {
            canvas.write(static_cast<int>(row), kMasterWidth + 1, "│");
        }
        writeBlock(canvas, master, 0, 0);
        writeBlock(canvas, detail, 0, kMasterWidth + 3);
        m_brokenTexts = master.brokenTexts;
        m_brokenTexts.insert(m_brokenTexts.end(), detail.brokenTexts.begin(), detail.brokenTexts.end());
        screenWidth = kMasterWidth + 3 + kDetailWidth;
    } else {
        TextBlock page = renderPageText(screen.page, kPhoneWidth);
        writeBlock(canvas, page, 0, 0);
        m_brokenTexts = page.brokenTexts;
    }
    if (screen.modal) {
        bool fullScreen = screen.modal->style == ModalStyle::FullScreen;
        int width = fullScreen ? screenWidth : screenWidth * 7 / 10;
        if (fullScreen) {
            canvas = TextCanvas();
            m_brokenTexts.clear();
        }
        TextBlock content = modalContent(*screen.modal, width - 4);
        drawBox(canvas, content, fullScreen ? 0 : kBoxTop, (screenWidth - width) / 2, width);
        m_brokenTexts.insert(m_brokenTexts.end(), content.brokenTexts.begin(), content.brokenTexts.end());
    }
    auto keepBroken = [this](const std::vector<std::string>& broken) {
        m_brokenTexts.insert(m_brokenTexts.end(), broken.begin(), broken.end());
    };
    if (screen.sheet) {
        keepBroken(drawSheet(canvas, *screen.sheet, screen.device, screenWidth));
    }
    if (screen.keyboard) {
        drawKeyboard(canvas, screen.keyboardKind, screenWidth);
    }
    if (screen.alert) {
        keepBroken(drawAlert(canvas, *screen.alert, screenWidth));
    }
    if (!screen.sounds.empty()) {
        std::string sounds = "♪";
        for (int sound : screen.sounds) {
            sounds += " " + std::to_string(sound);
        }
        canvas.write(canvas.rowCount() + 1, 0, sounds);
    }
    if (!screen.opened.empty()) {
        canvas.write(canvas.rowCount() + 1, 0, "opened:");
        for (const std::string& url : screen.opened) {
            canvas.write(canvas.rowCount(), 0, url);
        }
    }
    m_text = canvas.str();
}

bool ScreenText::contains(std::string_view text) const
{
    return m_text.find(text) != std::string::npos
           || std::any_of(m_brokenTexts.begin(), m_brokenTexts.end(),
                          [text](const std::string& broken) { return broken.find(text) != std::string::npos; });
}

}  // namespace device::render
