#include "monitor/core/window/win32/line_services.h"

#include "monitor/serial/modem_init.h"

namespace lw {

SerialModemInitializer::SerialModemInitializer(MessageBoxes& boxes) : com_(boxes) {
    LoadStoredProperties(*com_);
}

void SerialModemInitializer::Exchange(int port, const std::string& initString) {
    RunModemInitExchange(*com_, port, initString);
}

}  // namespace lw
