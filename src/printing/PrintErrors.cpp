#include "printing/PrintErrors.h"

#include "platform/Printer.h"

long PrintErrorNumber(const std::exception &e)
{
    if (const auto *printerError = dynamic_cast<const PrinterError *>(&e))
        return printerError->Number();
    return 5;
}
