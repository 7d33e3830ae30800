#include <orvo/host/IDTMCommunication.h>

namespace orvo {

IDTMCommunication::~IDTMCommunication() = default;

} // namespace orvo
