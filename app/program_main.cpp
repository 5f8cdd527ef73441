#include "app/program_main.h"

#include "app/dictionary_lifecycle.h"
#include "app/frame.h"
#include "app/ide_menu_registration.h"
#include "app/resources.h"
#include "framework/error_manager.h"
#include "framework/globals.h"
#include "runtime/ini_manager.h"

namespace app {

void Main() {
    RegisterResources();
    GlobalRequest.store(0);
    GlobalResponse.store(0);
    GlobalNavigationRequest.store(0);
    GlobalErrors().Setup();
    GlobalIni().Init("kestrian.INI");
    RegisterIdeMenu();
    KESTR001();
    Dictionary().End();
    GlobalErrors().Teardown();
}

}  // namespace app
