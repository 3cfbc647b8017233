#pragma once

#include <regex>
#include <string>

#include "app/form_state.h"
#include "data/start_up_data.h"
#include "support/text.h"

namespace sentinel {

// A form as the window has it right after start-up.
inline FormState LoadedForm()
{
    FormState form;
    Form_Load(form);
    return form;
}

inline const std::vector<Text> kStartUpTexts = {
    u"20,20,30",  u"30,40,30",  u"120,20,30",  u"20,20,30",  u"30,40,30",   u"120,20,30",  u"-20,20,30",
    u"-30,40,30", u"-120,20,30", u"20,20,30",  u"30,40,30",  u"30,40,30",   u"120,20,30",  u"20,20,30",
    u"30,40,30",  u"120,20,30", u"-20,20,30", u"-30,40,30", u"-120,20,30", u"-30,40,32", u"-120,20,31",
};

inline bool IsElapsedTimeText(TextView caption)
{
    static const std::regex pattern("Elapsed time:  [0-9]+\\.[0-9]{6} seconds");
    return std::regex_match(Printable(caption), pattern);
}

}  // namespace sentinel
