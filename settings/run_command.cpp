#include "settings/run_command.h"

std::string BuildRunCommand(const std::string& executablePath) { return "\"" + executablePath + "\" -m"; }
