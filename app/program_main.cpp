#include "app/program_main.h"

#include "app/error_manager.h"
#include "app/frame.h"
#include "app/globals.h"
#include "app/ide_menu_registration.h"
#include "app/model_users.h"
#include "app/resources.h"
#include "runtime/ini_manager.h"

namespace app {

void Main() {
    RegisterResources();
    GlobalRequest.store(0);
    GlobalResponse.store(0);
    GlobalNavigationRequest = 0;
    GlobalErrors().Setup();
    GlobalIni().Init("kestrian.INI");
    RegisterIdeMenu();
    KESTR001();
    StopModelUsers();
    ReleaseLoadedModel();
    GlobalErrors().Teardown();
}

}  // namespace app
