// bulbicalc-scenario FILE...: runs each scenario on its own fresh window state
// and reports every failing expectation with its file and line.
#include "scenario/scenario_runner.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

std::filesystem::path executableDir(const char* argv0)
{
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0, error);
    return self.parent_path();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: bulbicalc-scenario FILE...\n";
        return 2;
    }
    bulbicalc::ScenarioOptions options;
    options.defaultDataDir = executableDir(argv[0]);
    int failures = 0;
    for (int i = 1; i < argc; ++i)
        failures += bulbicalc::runScenarioFile(argv[i], options, std::cout);
    if (failures > 0)
        std::cout << failures << " expectation(s) failed\n";
    return failures == 0 ? 0 : 1;
}
