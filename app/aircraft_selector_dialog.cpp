#include "app/aircraft_selector_dialog.h"

#include "app/app_context.h"
#include "platform/win32/controls.h"
#include "res/resource.h"

namespace {

struct SelectorButton {
    int id;
    int bitmap;
    AircraftType aircraft;
};

constexpr SelectorButton kButtons[] = {
    {IDC_SEL_A318, IDB_SELECT_A318, AircraftType::A318},
    {IDC_SEL_A319, IDB_SELECT_A319, AircraftType::A319},
    {IDC_SEL_A320, IDB_SELECT_A320, AircraftType::A320},
    {IDC_SEL_A321, IDB_SELECT_A321, AircraftType::A321},
    {IDC_SEL_ACJ, IDB_SELECT_ACJ, AircraftType::ACJ},
};

}  // namespace

CAircraftSelector::CAircraftSelector(HWND parent) : CDialog(IDD_AIRCRAFT_SELECTOR, parent) {}

BOOL CAircraftSelector::OnInitDialog() {
    for (const SelectorButton& button : kButtons) {
        ui::SetButtonBitmap(GetHwnd(), button.id, ui::CachedBitmap(button.bitmap));
    }
    return TRUE;
}

bool CAircraftSelector::OnCommand(int id, int code, HWND /*control*/) {
    if (code != BN_CLICKED) {
        return false;
    }
    for (const SelectorButton& button : kButtons) {
        if (button.id == id) {
            App().selectedAircraft = button.aircraft;
            return true;
        }
    }
    return false;
}
