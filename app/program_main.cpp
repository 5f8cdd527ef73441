#include "app/program_main.h"

#include "app/dictionary_lifecycle.h"
#include "app/frame.h"
#include "app/ide_menu_registration.h"
#include "app/resources.h"
#include "framework/error_manager.h"
#include "framework/globals.h"
#include "runtime/ini_manager.h"

namespace app {

void Main(const std::string& startDictionary) {
    RegisterResources();
    framework::GlobalRequest.store(0);
    framework::GlobalResponse.store(0);
    framework::GlobalNavigationRequest.store(0);
    framework::GlobalErrors().Setup();
    framework::GlobalIni().Init("kestrian.INI");
    RegisterIdeMenu();
    Dictionary().SetStartDictionary(startDictionary);
    KESTR001();
    Dictionary().End();
    framework::GlobalErrors().Teardown();
}

}  // namespace app
