// Read before the window opens, so it never shows another name first; the script is
// read again by the driver, as it always was.
#include "app/WindowTitle.h"

#include <memory>

#include "demo/ShellServices.h"
#include "script/DemoScript.h"

std::string windowTitleOf(const char* scriptFile) {
    const auto script = std::make_unique<DemoScript>(scriptFile);
    if (script->title[0] != '\0') return script->title;
    return GLWindow{}.title;
}
