#include <orvo/host/Prompts.h>
#include <orvo/model/CalibrationFormula.h>

namespace orvo {

void CalibrationFormula::ShowFormula() const {
    Prompts::instance().messageBox(parameterNotice(), Prompts::Buttons::Ok, Prompts::Icon::None,
                                   QStringLiteral("Formula parameters"));
}

} // namespace orvo
