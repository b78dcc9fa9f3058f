#include "velmora/pane/info/info_pages.h"

#include "velmora/core/resources.h"
#include "velmora/core/translator.h"
#include "velmora/pane/rows.h"
#include "velmora/store/store.h"

#include <cctype>
#include <initializer_list>
#include <vector>

namespace velmora::pane {

namespace {

// The platform's string formatting for object arguments: "%@" takes the next argument, "%N$@" the
// N-th, "%%" is a percent sign. Translations may reorder the arguments.
std::string formatWithStrings(std::string_view format, const std::vector<std::string>& arguments)
{
    std::string result;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            result += format[i];
            continue;
        }
        if (format[i + 1] == '%') {
            result += '%';
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        std::size_t position = 0;
        while (end < format.size() && std::isdigit(static_cast<unsigned char>(format[end]))) {
            position = position * 10 + static_cast<std::size_t>(format[end] - '0');
            ++end;
        }
        bool positional = end > i + 1 && end + 1 < format.size() && format[end] == '$' && format[end + 1] == '@';
        if (format[i + 1] == '@' || positional) {
            std::size_t index = positional ? position - 1 : next++;
            if (index < arguments.size()) {
                result += arguments[index];
            }
            i = positional ? end + 1 : i + 1;
            continue;
        }
        result += format[i];
    }
    return result;
}

}  // namespace

void ChangeLogController::buildRows(core::EntryList& list)
{
    list.clear();
    auto changeLog = store::load(std::string(core::kResourceDirectory) + "ChangeLog.plist");
    std::string format = core::Translator("changes");
    for (long i = 0;; ++i) {
        auto found = changeLog.find(store::decimalKey(i));
        if (found == changeLog.end()) {
            return;
        }
        const auto* release = found->second.dictionary();
        device::foundation::PlistDictionary empty;
        const auto& entry = release ? *release : empty;
        list.push_back(groupWithFooter(formatWithStrings(
            format, {store::readString(entry, "Date"), store::readString(entry, "Changes")})));
        core::Entry version = makeRow(store::readString(entry, "Version"), this, "PSTitleValueCell");
        setAlignment(version, 2);
        list.push_back(version);
    }
}

}  // namespace velmora::pane
