#include "ui/theme/texts.h"

#include "core/constants/gcc.h"

namespace gcm {

QString mainform_name() { return QStringLiteral("    ") + program_name + QStringLiteral(" - ") + tagline; }

QString about_text() {
    return program_name + QStringLiteral(" - ") + tagline + QStringLiteral("\n\nversion: ") +
           QString::fromStdString(GCC::app_version) +
           QStringLiteral(
               "\n\nMorvanta captures the rationale behind design decisions in a structured way: from user "
               "stories and a mandate to requirements, design problems, options, arguments and evidence, "
               "with readiness levels that show how far each solution has been proven.\n\n"
               "Every object carries comments and an editable tooltip, so that the reasons stay with the "
               "design. Projects can be exported as PDF reports and in the ReqIF format for requirements "
               "tools.\n\n"
               "This software is provided in confidence and must not be passed on without authorisation.\n\n"
               "Your feedback is welcome.\n\nFor more information:");
}

QString privacy_policy_text() {
    return QStringLiteral(
        "Morvanta sends nothing over a network connection, except when you open or save a file on a "
        "network location through the standard file dialogs, or when you click the web-site or e-mail "
        "link.\n\nMorvanta keeps your projects, recovery copies and its configuration file on your computer "
        "only.\n\nFor more information, see the maker's web site.");
}

}  // namespace gcm
