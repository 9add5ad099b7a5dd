#include "CliSupport.h"
#include "KnownCodes.h"
#include "core/graphs/CGraphTemplate.h"

#include <algorithm>
#include <filesystem>

namespace orvelan::test {
namespace {

AgeValues rising(double factor) {
    AgeValues cases{};
    for (std::size_t a = 0; a < 18; ++a) {
        cases[a] = static_cast<double>(a + 1) * factor;
    }
    return cases;
}

// Populations 0 and 1 with 10,000 person-years a group (population 1 up to 75+ only), stomach
// and lung cases in both sexes, all sites the sum of the two plus 100 in group 6.
class GraphCli : public CliTest {
  protected:
    void SetUp() override {
        FixtureData data;
        for (int sex = 0; sex < 2; ++sex) {
            data.setPopulation(0, sex, {1990, 1994, FixtureData::flatPersonYears(10000.0)});
            data.setPopulation(1, sex, {1990, 1994, FixtureData::flatPersonYears(10000.0, 15)});
            for (const int population : {0, 1}) {
                data.setCases(population, sex, kStomach, {rising(1.0)});
                data.setCases(population, sex, kLung, {rising(2.0)});
                AgeValues all = rising(3.0);
                all[6] += 100.0;
                data.setCases(population, sex, 0, {all});
            }
        }
        data.write(m_dir.str());
    }

    ProcessResult graph(const Args& args) const { return run(joined({"graph"}, args)); }
    nlohmann::json graphJson(const Args& args) const {
        return json(joined(joined({"graph"}, args), {"--json"}));
    }

    /// False (the test skips) when this orvelan-cli was built without the painters.
    bool canDraw() const {
        return graph({"pyramid", "--population", "0", "--out", m_dir.file("probe.png")}).exitCode ==
               0;
    }
};

#define SKIP_WITHOUT_PAINTERS()                                                                    \
    if (!canDraw())                                                                                \
    GTEST_SKIP() << "orvelan-cli built without graphics"

TEST_F(GraphCli, CurvesJsonGivesRatesUpToTheLastAgeGroup) {
    const auto model =
        graphJson({"curves", "--populations", "0,1", "--cancers", "34", "--sex", "0"});
    ASSERT_EQ(model["curves"].size(), 2u);
    EXPECT_EQ(model["last_age_group"], 15);
    const auto& first = model["curves"][0];
    EXPECT_EQ(first["population"], 0);
    EXPECT_EQ(first["cancer"], kStomach);
    EXPECT_EQ(first["sex"], 0);
    // The folded top and the scales are GraphModelsTest.CurvesEndAtTheSmallestLastAgeGroup.
    ASSERT_EQ(first["rates"].size(), 18u);
    EXPECT_DOUBLE_EQ(first["rates"][15].get<double>(), 51.0 * 100000.0 / 30000.0);
    EXPECT_TRUE(first["rates"][16].is_null());
    EXPECT_FALSE(first["label"].get<std::string>().empty());
    EXPECT_EQ(model["scale"]["linear"]["top"], 600.0); // largest rate 510, steps of 100
    EXPECT_EQ(model["scale"]["log"]["bottom"], 10.0);
}

TEST_F(GraphCli, RefusalsExitWithTheirStatus) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"curves", "--populations", "0-10", "--cancers", "34", "--sex", "0"},
         2,
         "You defined too many items"},
        {{"curves", "--populations", "0", "--cancers", "153", "--sex", "1"}, 1, "no curve"},
        {{"bars", "--type", "cancer", "--cancer", "34", "--populations", "5", "--rate-kind", "1"},
         1,
         "no bar"},
        {{"pie", "--population", "7", "--sex", "0"}, 1, "no slice"},
        // The sector counts the wizard takes, and no others.
        {{"pie", "--population", "0", "--slices", "4"}, 2, "--slices must be 5-11, not 4"},
        {{"pie", "--population", "0", "--slices", "12"}, 2, "--slices must be 5-11, not 12"},
        // The wizard's check (its messages are GraphWizardRulesTest's), rather than no bar.
        {{"bars", "--type", "registry", "--population", "0", "--cancers", "1", "--rate-kind", "3"},
         2,
         "Age range is invalid for cumulative rate/risk"},
        {{"pyramid", "--population", "0", "--out", "x.gif"}, 2, "--out"},
        {{"pyramid", "--population", "0", "--out", "xjpeg"}, 2, "--out"},
        {{"pyramid", "--population", "0", "--size", "10x10"}, 2, "--size"},
        {{"pyramid", "--population", "0", "--size", "800ax600"}, 2, "--size"},
        {{"pyramid", "--population", "0", "--font-size", "15"}, 2, "--font-size"},
        {{"pyramid", "--population", "0", "--style", "glossy"}, 2, "--style"},
        {{"pyramid", "--population", "0", "--width-mm", "85"}, 2, "--height-mm"},
        {{"pyramid", "--population", "0", "--width-mm", "85", "--height-mm", "65", "--size",
          "800x600"},
         2,
         "--size"},
        {{"pyramid", "--population", "0", "--width-mm", "5", "--height-mm", "65"}, 2, "20-1000 mm"},
        {{"pyramid", "--population", "0", "--width-mm", "900", "--height-mm", "65", "--dpi", "600"},
         2,
         "10,000 pixels"},
        {{"pyramid", "--population", "300"}, 2, "unknown population"},
        {{"bars", "--type", "both"}, 2, "--type"},
        {{"curves", "--populations", "0", "--cancers", "34", "--symbol", "o"}, 2, "symbol"},
    };
    for (const auto& c : cases) {
        expectExit(joined({"graph"}, c.args), c.exitCode, c.message);
    }
}

TEST_F(GraphCli, BarPieAndPyramidJson) {
    const auto bars = graphJson({"bars", "--type", "registry", "--population", "0", "--cancers",
                                 "34,77", "--rate-kind", "5"});
    ASSERT_EQ(bars["bars"].size(), 2u);
    EXPECT_EQ(bars["bars"][0]["key"], kLung);
    EXPECT_EQ(bars["bars"][0]["value"], 342.0);

    const auto pie = graphJson({"pie", "--population", "0", "--sex", "1", "--slices", "5"});
    ASSERT_EQ(pie["slices"].size(), 3u);
    EXPECT_EQ(pie["slices"][2]["cancer"], -1);
    EXPECT_EQ(pie["slices"][2]["label"], "Other cancers");
    EXPECT_EQ(pie["total"], 613.0);

    const auto pyramid = graphJson({"pyramid", "--population", "0", "--basis", "average"});
    ASSERT_EQ(pyramid["male"].size(), 19u);
    EXPECT_EQ(pyramid["male"][0], 2000.0);
    EXPECT_EQ(pyramid["female_total"], 36000.0);
    EXPECT_EQ(pyramid["axis_top"], 3.0);
}

TEST_F(GraphCli, TemplateDrawsItsKindWithItsChoices) {
    GraphSettings settings;
    settings.kind = GraphKind::BarChart;
    settings.barChartType = BarChartType::Registry;
    settings.population = 0;
    settings.rateKind = RateKind::NumberOfCases;
    settings.cancers[kStomach] = kStomach;
    settings.cancers[kLung] = kLung;
    settings.title = "From a template";
    ASSERT_TRUE(CGraphTemplate::write(m_dir.file("bars.gph"), settings, 0, 0));
    const auto model = graphJson({"template", m_dir.file("bars.gph")});
    EXPECT_EQ(model["title"], "From a template");
    ASSERT_EQ(model["bars"].size(), 2u);
    EXPECT_EQ(model["bars"][1]["key"], kStomach);

    // A hand-edited template the wizard would not have let through is refused, named.
    settings.rateKind = RateKind::CumulativeRate;
    ASSERT_TRUE(CGraphTemplate::write(m_dir.file("edited.GPH"), settings, 0, 0));
    const ProcessResult edited = graph({"template", m_dir.file("edited.GPH")});
    EXPECT_EQ(edited.exitCode, 1);
    EXPECT_NE(edited.err.find("edited.GPH"), std::string::npos) << edited.err;
    EXPECT_NE(edited.err.find("Age range is invalid for cumulative rate/risk"), std::string::npos)
        << edited.err;

    settings.kind = static_cast<GraphKind>(7);
    ASSERT_TRUE(CGraphTemplate::write(m_dir.file("odd.GPH"), settings, 0, 0));
    EXPECT_EQ(graph({"template", m_dir.file("odd.GPH")}).exitCode, 2);
    EXPECT_EQ(graph({"template", m_dir.file("missing.GPH")}).exitCode, 1);
}

TEST_F(GraphCli, EveryKindInEveryFormat) {
    SKIP_WITHOUT_PAINTERS();
    const std::vector<std::vector<std::string>> kinds = {
        {"curves", "--populations", "0,1", "--cancers", "34,77", "--sex", "2", "--log"},
        {"bars", "--type", "cancer", "--cancer", "34", "--populations", "0,1"},
        {"pie", "--population", "0"},
        {"pyramid", "--population", "1"}};
    const std::vector<std::pair<std::string, std::string>> formats = {{".png", "\x89PNG"},
                                                                      {".BMP", "BM"},
                                                                      {".jpg", "\xFF\xD8\xFF"},
                                                                      {".svg", "<?xml"},
                                                                      {".pdf", "%PDF"}};
    for (const auto& kind : kinds) {
        for (const auto& [extension, magic] : formats) {
            const std::string path = m_dir.file(kind[0] + extension);
            std::vector<std::string> args = kind;
            args.insert(args.end(), {"--out", path, "--size", "640x480", "--font-size", "6"});
            const ProcessResult result = graph(args);
            ASSERT_EQ(result.exitCode, 0) << kind[0] << extension << ": " << result.err;
            EXPECT_EQ(m_dir.read(kind[0] + extension).substr(0, magic.size()), magic)
                << kind[0] << extension;
        }
    }
    // One face in every format: the SVG names the installed face the PDF embeds (and the
    // rasters draw), not the program's face name, which a viewer would resolve its own way.
    for (const auto& kind : kinds) {
        const std::string svg = m_dir.read(kind[0] + ".svg");
        EXPECT_EQ(svg.find("font-family=\"MS Sans Serif\""), std::string::npos) << kind[0];
        if (!std::filesystem::exists("/usr/bin/pdffonts")) {
            continue;
        }
        const ProcessResult fonts = runProcess({"/usr/bin/pdffonts", m_dir.file(kind[0] + ".pdf")});
        if (fonts.exitCode == 0 && fonts.out.find("LiberationSans") != std::string::npos) {
            EXPECT_NE(svg.find("font-family=\"Liberation Sans\""), std::string::npos) << kind[0];
        }
    }
}

// A printed size: millimetres at a resolution give the pixels of a raster (with the resolution
// in the file) and the page of a vector picture; the publication style draws other pixels.
TEST_F(GraphCli, PrintedSizesAndThePublicationStyle) {
    SKIP_WITHOUT_PAINTERS();
    const std::vector<std::string> pie = {"pie", "--population", "0"};
    const auto draw = [&](const std::string& name, std::vector<std::string> extra) {
        std::vector<std::string> args = pie;
        args.insert(args.end(), {"--out", m_dir.file(name)});
        args.insert(args.end(), extra.begin(), extra.end());
        const ProcessResult result = graph(args);
        EXPECT_EQ(result.exitCode, 0) << name << ": " << result.err;
        return m_dir.read(name);
    };
    const auto big = [](const std::string& bytes, std::size_t at) {
        return static_cast<unsigned char>(bytes[at]) * 256 +
               static_cast<unsigned char>(bytes[at + 1]);
    };
    // PNG width and height sit big-endian at bytes 16-23.
    const std::string png = draw("column.png", {"--width-mm", "85", "--height-mm", "65"});
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(big(png, 18), 1004); // 85 mm at 300 dpi
    EXPECT_EQ(big(png, 22), 768);
    EXPECT_NE(png.find(std::string("pHYs\0\0\x2E\x23", 8)), std::string::npos); // 11811 per metre
    const std::string jpeg =
        draw("column.jpg", {"--width-mm", "85", "--height-mm", "65", "--dpi", "150"});
    ASSERT_GT(jpeg.size(), 20u);
    EXPECT_EQ(jpeg[13], 1); // JFIF density in dots per inch
    EXPECT_EQ(big(jpeg, 14), 150);
    const std::string svg = draw("column.svg", {"--width-mm", "85", "--height-mm", "65"});
    EXPECT_NE(svg.find("viewBox=\"0 0 241 184\""), std::string::npos) << svg.substr(0, 400);

    const std::string classic = draw("classic.png", {"--size", "640x480"});
    EXPECT_TRUE(draw("classic-named.png", {"--size", "640x480", "--style", "classic"}) == classic);
    EXPECT_TRUE(draw("publication.png", {"--size", "640x480", "--style", "publication"}) != classic)
        << "the publication style drew the classic picture";
}

// The publication style's --json adds the layout the painters drew: ticks by value and label,
// sizes in pixels of the printed figure; --ci gives the bars their limits.
TEST_F(GraphCli, PublicationJsonCarriesTheTicksAndSizes) {
    SKIP_WITHOUT_PAINTERS();
    const auto curves =
        graphJson({"curves", "--populations", "0,1", "--cancers", "34", "--sex", "0", "--log",
                   "--style", "publication", "--width-mm", "85", "--height-mm", "65"});
    // The sizes are ImageExportTest.figuresHaveThePrintedSize, the decade labels
    // AxisTicks.NarrowDecadeAxesLabelTwoAndFiveAsWell: here they reach the JSON.
    const auto& layout = curves["layout"];
    ASSERT_TRUE(layout.is_object()) << curves.dump();
    EXPECT_EQ(layout["size"], nlohmann::json({1004, 768}));
    EXPECT_NEAR(layout["sizes"]["pixels_per_point"].get<double>(), 1004 / (85 / 25.4 * 72), 1e-9);
    const auto& y = layout["axes"]["y"]["ticks"]; // 30-510: 2 and 5 are labelled as well
    EXPECT_TRUE(std::any_of(y.begin(), y.end(), [](const auto& t) { return t["label"] == "50"; }));
    EXPECT_EQ(layout["axes"]["x"]["ticks"].back()["label"], "75+");

    const auto bars = graphJson({"bars", "--type", "cancer", "--cancer", "34", "--populations",
                                 "0,1", "--ci", "--style", "publication"});
    ASSERT_EQ(bars["bars"].size(), 2u);
    EXPECT_LT(bars["bars"][0]["lower"].get<double>(), bars["bars"][0]["value"].get<double>());
    EXPECT_GT(bars["bars"][0]["upper"].get<double>(), bars["bars"][0]["value"].get<double>());
    EXPECT_EQ(bars["layout"]["axes"]["x"]["ticks"][0]["label"], "0");
    // Without --style publication the JSON is the model alone, as it always was.
    EXPECT_FALSE(graphJson({"pie", "--population", "0"}).contains("layout"));
}

TEST_F(GraphCli, UnwritableOutputExitsOneAndLeavesNothing) {
    SKIP_WITHOUT_PAINTERS();
    const std::string path = m_dir.file("missing/graph.jpg");
    const ProcessResult result = graph({"pie", "--population", "0", "--out", path});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot open " + path), std::string::npos) << result.err;
}

} // namespace
} // namespace orvelan::test
