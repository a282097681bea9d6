#include "app/aircraft_selector_dialog.h"

#include "platform/win32/controls.h"
#include "platform/win32/pictures.h"
#include "platform/win32/dialog.h"
#include "res/resource.h"

namespace {

class CAircraftSelector : public ui::CDialog {
  public:
    explicit CAircraftSelector(HWND owner) : CDialog(IDD_AIRCRAFT_SELECTOR, owner) {}

    AircraftType Chosen() const { return m_chosen; }

  protected:
    BOOL OnInitDialog() override {
        for (const AircraftSpec& aircraft : kAircraft) {
            ui::SetButtonBitmap(GetHwnd(), aircraft.selectorButton,
                                ui::CachedBitmap(aircraft.selectorPicture));
        }
        return TRUE;
    }

    bool OnCommand(int id, int code, HWND /*control*/) override {
        if (code != BN_CLICKED) {
            return false;
        }
        for (const AircraftSpec& aircraft : kAircraft) {
            if (aircraft.selectorButton == id) {
                m_chosen = aircraft.type;
                return true;
            }
        }
        return false;
    }

  private:
    AircraftType m_chosen = AircraftType::None;
};

}  // namespace

AircraftType RunAircraftSelector(HWND owner) {
    CAircraftSelector selector(owner);
    selector.DoModal();
    return selector.Chosen();
}
