#include "io/printer_log.h"

namespace q417 {

void PrinterLog::Replay(PrinterListener& pictures) {
    tapes_.Replay(pictures);
    if (counter_) pictures.CounterChanged(counter_->first, counter_->second);
    tapes_.Clear();
    counter_.reset();
}

}  // namespace q417
