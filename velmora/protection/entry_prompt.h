#pragma once

#include "device/preferences/view_controller.h"
#include "device/uikit/text_field.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::protection {

// One page of a prompt: its label's text key and where it lies, in prompt widths from the page in
// view (-1 left of it, 1 right of it).
struct PromptPage {
    std::string_view labelKey;
    int offset = 0;
};

struct PromptSpec {
    std::string title;
    std::vector<PromptPage> pages;
    std::string_view cancelAction;
    std::string_view changeHandler;
};

// A small modal page asking for four digits: per page a label and four dash indicators, fed by a
// number-pad field hidden just outside the visible area. The handler reaches the page with the field.
// It is presented from the host's root list, which also dismisses it.
void presentEntryPrompt(device::preferences::PSViewController& page, const PromptSpec& spec);
void dismissEntryPrompt(device::preferences::PSViewController& page, std::function<void()> completion = {});

enum class Typing { Ignored, Incomplete, FourDigits };

// What one editing change means on prompt page p: a non-digit is taken back out, a digit lights its
// indicator, a deletion clears the indicator after the text.
Typing followTyping(device::uikit::UITextField& field, int page);

// A wrong code: the phone vibrates, the page's indicators go back to dashes and the field empties.
void rejectCode(device::uikit::UITextField& field, int page);

// Slides the views of prompt pages first and first + 1 one prompt width to the left, and empties
// the field for the next code.
void slideToNextPage(device::uikit::UITextField& field, int first);

}  // namespace velmora::protection
