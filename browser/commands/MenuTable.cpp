#include "MenuTable.h"

#include "BrowserComponent.h"
#include "WebAddresses.h"
#include "WindowServices.h"

std::function<void(WindowServices&)> visitFrontPage(const char* host)
{
    return [host](WindowServices& services) { services.pageView.navigate(web_addresses::frontPage(host)); };
}
