#pragma once

#include "device/uikit/application.h"

#include <optional>
#include <string>
#include <vector>

namespace device::render {

enum class DeviceKind { Phone, Tablet };
enum class RowKind { Link, Switch, Button, Edit, Value, Static, Other };
enum class ModalStyle { FullScreen, FormSheet };
enum class KeyboardKind { Letters, NumberPad };

struct RowDescription {
    std::string label;
    std::optional<std::string> value;
    std::optional<bool> on;
    RowKind kind = RowKind::Other;
    // Only the text rendering shows these.
    bool hasIcon = false;
    bool checked = false;
    // Its text field has the focus.
    bool focused = false;
    // In editing mode: the red control that opens the row's "Delete" button.
    bool deleteControl = false;
    bool showsDeleteButton = false;
    // In editing mode: the grip that drags the row.
    bool reorderControl = false;
    // Titled buttons that the row's content view, slid aside, has uncovered, left to right.
    std::vector<std::string> uncoveredButtons{};
};

struct SectionDescription {
    std::optional<std::string> header;
    std::optional<std::string> footer;
    std::vector<RowDescription> rows;
};

struct NavigationBarDescription {
    std::optional<std::string> title;
    std::optional<std::string> back;
    std::optional<std::string> left;
    std::optional<std::string> right;
};

// A search field heading a list.
struct SearchFieldDescription {
    std::string text;
    std::string placeholder;
    bool focused = false;
};

struct PageDescription {
    NavigationBarDescription bar;
    bool editing = false;
    std::vector<SectionDescription> sections;
    std::optional<SearchFieldDescription> search = std::nullopt;
};

// A visible label and where it lies on the screen, in window points.
struct PlacedText {
    std::string text;
    uikit::CGRect frame;
};

struct ModalDescription {
    ModalStyle style = ModalStyle::FullScreen;
    // The presented view's frame in the window.
    uikit::CGRect area;
    // None when the presented controller has no navigation bar, or hides it.
    std::optional<NavigationBarDescription> bar;
    // Visible labels of the presented view, in view order.
    std::vector<std::string> viewTexts;
    // The labels with their frames that lie outside the list, when there is one: all of them when not.
    std::vector<PlacedText> textsBesideList;
    // When the presented controller shows a list page, or a table in a page of its own.
    std::optional<PageDescription> page;

    // Every visible label and button text: the navigation bar's, then the view's.
    std::vector<std::string> texts() const;
};

struct AlertDescription {
    std::string title;
    std::string message;
    // In the platform's numbering.
    std::vector<std::string> buttons;
    // Only the text rendering uses it: with more than two buttons the cancel button goes last.
    std::optional<std::size_t> cancelButton;
};

struct SheetDescription {
    std::string title;
    // The buttons shown, in the platform's numbering: a tablet's popover shows no cancel button.
    std::vector<std::string> buttons;
    // Only the text rendering uses it: a phone shows the cancel button apart, below the others.
    std::optional<std::size_t> cancelButton;
};

// What a window shows, read from its view controllers and their views.
struct ScreenDescription {
    DeviceKind device = DeviceKind::Phone;
    PageDescription page;
    std::optional<PageDescription> master;
    std::optional<ModalDescription> modal;
    std::optional<AlertDescription> alert;
    std::optional<SheetDescription> sheet;
    // A text field has the focus and the keyboard is up.
    bool keyboard = false;
    KeyboardKind keyboardKind = KeyboardKind::Letters;
    std::vector<int> sounds;
    std::vector<std::string> opened;
};

// What the device did during the last command besides changing the screen. It is the caller's: the
// platform reports sounds and opened URLs only once, to whoever asks first.
struct DeviceActivity {
    std::vector<int> sounds;
    std::vector<std::string> opened;  // URLs
};

ScreenDescription describeScreen(const uikit::UIWindow* window, DeviceActivity activity);

}  // namespace device::render
