#include "app/app_context.h"

AppContext& App() {
    static AppContext context;
    return context;
}

void ResetApp() {
    App() = AppContext{};
}
