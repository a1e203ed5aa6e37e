#include "app/App.h"
#include "base/Log.h"

int main(int, char**) {
    gLog.open("reversi.log");  // without a log the game still runs
    int32_t status;
    {
        App app;
        status = app.run();
    }
    gLog.close();
    return status;
}
