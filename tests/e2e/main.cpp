// The end-to-end tests' entry. Inside a Wine virtual desktop the exit code is lost on the way
// out, so the result is also written to the file that TALLOWMERE_E2E_STATUS names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    if (const char* path = std::getenv("TALLOWMERE_E2E_STATUS")) std::ofstream(path) << status;
    return status;
}
