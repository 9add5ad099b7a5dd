// orvelan-mkdata: writes the synthetic ORVELAN.DAT and ORVELAN.POP of one seed into a folder.
#include "CDataSetGenerator.h"
#include "CDataSetWriter.h"

#include <CLI/CLI.hpp>
#include <cstdint>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using orvelan::mkdata::CDataSetGenerator;
    using orvelan::mkdata::CDataSetWriter;

    CLI::App app{"Writes ORVELAN's synthetic incidence data set (ORVELAN.DAT, ORVELAN.POP)."};
    std::string out;
    std::uint64_t seed = CDataSetGenerator::kDefaultSeed;
    app.add_option("--out", out, "Folder to write the data files into")->required();
    app.add_option("--seed", seed, "Seed of the random draws; one seed gives one set of bytes");
    CLI11_PARSE(app, argc, argv);

    const CDataSetGenerator generator(seed);
    const auto problems = generator.problems();
    if (!problems.empty()) {
        for (const auto& problem : problems) {
            std::cerr << "orvelan-mkdata: model tables: " << problem << "\n";
        }
        return 2;
    }
    std::string error;
    if (!CDataSetWriter::write(generator.generate(), out, error)) {
        std::cerr << "orvelan-mkdata: " << error << "\n";
        return 1;
    }
    std::cout << "Wrote ORVELAN.POP and ORVELAN.DAT (seed " << seed << ") to " << out << "\n";
    return 0;
}
