// Runs the built airfoil-probe and checks its command line and its JSON
// against the same events replayed on a window object in this process.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "charts/recording_surface.h"
#include "model/flow_field.h"
#include "model/recording_messages.h"
#include "support/probe_process.h"
#include "ui/export_csv.h"
#include "ui/form.h"
#include "ui/surface_layout.h"

namespace airfoil::testing {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

Json json_of(const ProbeRun& run) { return Json::parse(run.out); }

constexpr const char* kCatalogue =
    "probe test catalogue\n3\n0,0,0,0,0\n0.12,0,0.1,0,0\n0.12,0.02,0.1,0.05,0\n";

fs::path write_catalogue(const fs::path& dir, const char* text = kCatalogue) {
  const fs::path path = dir / "catalogue.txt";
  std::ofstream(path) << text;
  return path;
}

class BadArguments : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BadArguments, ExitWithStatus2AndSayWhy) {
  const ProbeRun run = run_probe(GetParam(), test_dir());
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("airfoil-probe: "), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Probe, BadArguments,
    ::testing::Values(std::vector<std::string>{"thickness=1.5"}, std::vector<std::string>{"alfa="},
                      std::vector<std::string>{"np=12x"}, std::vector<std::string>{"speed=3"},
                      std::vector<std::string>{"click=wing"}, std::vector<std::string>{"profil"},
                      std::vector<std::string>{"click=profil", "--catalogue"},
                      std::vector<std::string>{"--png"}, std::vector<std::string>{"--colour=red"},
                      std::vector<std::string>{"at=0.5"}, std::vector<std::string>{"at=x,0"},
                      std::vector<std::string>{"at=0.5,nan"}, std::vector<std::string>{"--flow-csv"},
                      std::vector<std::string>{"re=5e4"}, std::vector<std::string>{"re=3e6x"},
                      std::vector<std::string>{"re=inf"}, std::vector<std::string>{"unpin=0"}));

TEST(Probe, HelpPrintsUsage) {
  const ProbeRun run = run_probe({"--help"}, test_dir());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("usage: airfoil-probe", 0), 0u);
}

using RecordedMessages = RecordingMessages;

// The numbers of the report must read back as exactly the doubles the window
// holds, and the pictures must list exactly the calls the surfaces received.
TEST(Probe, ReportReadsBackAsTheWindowsExactNumbers) {
  const fs::path dir = test_dir();
  const fs::path catalogue = write_catalogue(dir);
  const ProbeRun run = run_probe({"--catalogue", catalogue.string(), "thickness=12", "camber=2", "np=21",
                                  "alfa=5", "xm=25", "moo=0.6", "click=pressure"},
                                 dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const Json report = json_of(run);

  std::array<RecordingSurface, 5> s;
  RecordedMessages messages;
  Form1 form(Plots{s[0], s[1], s[2], s[3], s[4]}, messages, catalogue.string());
  form.Form_Load();
  for (auto [bar, value, change] :
       {std::tuple{&Controls::HScroll_Thickness, 12, &Form1::HScroll_Thickness_Change},
        std::tuple{&Controls::HScroll_Camber, 2, &Form1::HScroll_Camber_Change},
        std::tuple{&Controls::HScroll_nP, 21, &Form1::HScroll_nP_Change},
        std::tuple{&Controls::HScroll_AlfaD, 5, &Form1::HScroll_AlfaD_Change},
        std::tuple{&Controls::HScroll_xM, 25, &Form1::HScroll_xM_Change}}) {
    if (set_scroll_value(form.w.*bar, value)) (form.*change)();
  }
  form.w.Text_Moo.Text = "0.6";
  form.pressure_Click();

  const Json& state = report["state"];
  auto entry = state.items().begin();
  std::size_t i = 0;
  for_each_variable(form.w, [&](const char* name, const auto& v) {
    ASSERT_LT(i++, state.size());
    EXPECT_EQ(entry.key(), name);
    const Json& value = entry.value();
    ++entry;
    if constexpr (requires { v.cells(); }) {
      ASSERT_EQ(value.size(), v.cells().size()) << name;
      for (std::size_t k = 0; k < v.cells().size(); ++k) EXPECT_EQ(value[k].get<double>(), v.cells()[k]);
    } else {
      EXPECT_EQ(value.get<double>(), static_cast<double>(v)) << name;
    }
  });
  EXPECT_EQ(i, state.size());
  EXPECT_EQ(report["state"]["Cp"].size(), 102u);

  EXPECT_EQ(report["controls"]["HScroll_nP"].get<double>(), 21);
  EXPECT_EQ(report["controls"]["Text_CL"].get<std::string>(), form.w.Text_CL.Text);
  EXPECT_EQ(report["messages"].size(), messages.shown.size());
  EXPECT_TRUE(report["fault"].is_null());

  for (std::size_t n = 0; n < kSurfaceLayouts.size(); ++n) {
    const Json& surface = report["surfaces"][std::string(kSurfaceLayouts[n].name)];
    const auto& calls = surface["calls"];
    ASSERT_EQ(calls.size(), s[n].calls().size()) << kSurfaceLayouts[n].name;
    for (std::size_t c = 0; c < calls.size(); ++c) {
      const SurfaceCall& call = s[n].calls()[c];
      EXPECT_EQ(calls[c]["op"].get<std::string>(), op_name(call.op));
      ASSERT_EQ(calls[c]["args"].size(), call.args.size());
      for (std::size_t a = 0; a < call.args.size(); ++a) {
        EXPECT_EQ(calls[c]["args"][a].get<double>(), static_cast<double>(call.args[a]));
      }
      if (call.colour) {
        EXPECT_EQ(calls[c]["colour"].get<double>(), *call.colour);
      } else {
        EXPECT_TRUE(calls[c]["colour"].is_null());
      }
    }
  }
}

TEST(Probe, MissingCatalogue_ReportsBothMessages) {
  // Named outright, so the probe looks in its empty working directory only.
  const ProbeRun run = run_probe({"--catalogue", "KATPE-D20G15.txt", "click=profil"}, test_dir());
  ASSERT_EQ(run.status, 0) << run.err;
  const Json report = json_of(run);
  const auto& shown = report["messages"];
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].get<std::string>(), kCatalogueFileMissing);
  EXPECT_EQ(shown[1].get<std::string>(), kProfileNotInCatalogue);
  EXPECT_TRUE(report["fault"].is_null());
}

TEST(Probe, FaultEndingACycleIsReported) {
  const fs::path dir = test_dir();
  write_catalogue(dir, "bad circle\n1\n0,0,-0.6,0,0\n");
  const ProbeRun run = run_probe({"--catalogue=catalogue.txt", "click=profil"}, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const Json report = json_of(run);
  EXPECT_FALSE(report["fault"].get<std::string>().empty());
  EXPECT_TRUE(report["surfaces"]["daire"]["scale"].is_null());
}

TEST(Probe, MachTextWithAnyBytesStaysValidJson) {
  const std::string text = "0.5 \"q\" \\b\n\t\x01 ı \xff!";
  const ProbeRun run = run_probe({"moo=" + text}, test_dir());
  ASSERT_EQ(run.status, 0) << run.err;
  // The stray byte that is no UTF-8 becomes U+FFFD; everything else comes back.
  EXPECT_EQ(json_of(run)["controls"]["Text_Moo"].get<std::string>(), "0.5 \"q\" \\b\n\t\x01 ı \xEF\xBF\xBD!");
}

// A scroll bar holds a value within its range, and raises its event only when
// the value moves.
TEST(Probe, ScrollValuesAreClampedAndUnchangedValuesRaiseNoEvent) {
  const fs::path dir = test_dir();
  const ProbeRun run = run_probe({"--catalogue", write_catalogue(dir).string(), "thickness=0", "np=51",
                                  "camber=99", "alfa=-99999999999999999999999"},
                                 dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const Json report = json_of(run);
  EXPECT_EQ(report["controls"]["HScroll_Camber"].get<double>(), 15);
  EXPECT_EQ(report["controls"]["HScroll_AlfaD"].get<double>(), -10);
  EXPECT_EQ(report["controls"]["Text_Thickness"].get<std::string>(), "0");
  EXPECT_EQ(report["messages"].size(), 1u);  // camber 15 % is not in this catalogue
  EXPECT_EQ(report["state"]["AlfaD"].get<double>(), -10);
}

// After a miss that also changed the point count, the flow step and the
// corrected curve still run over the section's own points only.
TEST(Probe, AMissKeepsThePointCountOfTheSectionOnScreen) {
  const fs::path dir = test_dir();
  const fs::path catalogue = write_catalogue(dir, "label\n1\n0.12,0.04,0.1,0.05,0\n");
  const ProbeRun run = run_probe({"--catalogue", catalogue.string(), "thickness=12", "camber=4",
                                  "thickness=5", "np=71", "moo=0.5", "alfa=3"},
                                 dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const Json report = json_of(run);
  EXPECT_EQ(report["state"]["nP"].get<double>(), 51);
  EXPECT_EQ(report["controls"]["Text_nP"].get<std::string>(), "71");
  int magenta = 0;
  for (const Json& call : report["surfaces"]["pressure"]["calls"]) {
    // The dashed sonic line is magenta too; the corrected curve is solid.
    if (!call["colour"].is_null() && call["colour"].get<double>() == 16711935 && !call.contains("style"))
      ++magenta;
  }
  EXPECT_EQ(magenta, 50);
}

// The report lists every box the user saw, fault boxes included, in order;
// the fault's technical detail is reported apart.
TEST(Probe, MessagesListEveryBoxInOrder) {
  const fs::path dir = test_dir();
  const fs::path catalogue = write_catalogue(dir, "label\n1\n0.01,0,-0.6,0,0\n");
  const ProbeRun run = run_probe({"--catalogue", catalogue.string(), "thickness=1", "thickness=2"}, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const Json report = json_of(run);
  const Json& messages = report["messages"];
  ASSERT_EQ(messages.size(), 2u);
  const std::string first = messages[0].get<std::string>();
  EXPECT_EQ(first.rfind("Katalogdaki 1. profilin", 0), 0u) << first;
  EXPECT_EQ(messages[1].get<std::string>(), kProfileNotInCatalogue);
  EXPECT_EQ(report["fault"].get<std::string>(),
            "catalogue row 1: the circle (Eps, Delta) does not enclose the origin");
}

#ifdef AIRFOIL_PROBE_HAS_PNG
// Width and height from a PNG's header chunk.
std::array<int, 2> png_size(const std::string& bytes) {
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {-1, -1};
  auto be32 = [&](std::size_t at) {
    int v = 0;
    for (std::size_t k = 0; k < 4; ++k) v = (v << 8) | static_cast<unsigned char>(bytes[at + k]);
    return v;
  };
  return {be32(16), be32(20)};
}

TEST(Probe, PngWritesFivePicturesAtTheSurfacesPixelSizes) {
  const fs::path dir = test_dir();
  const ProbeRun run = run_probe({"--png", "pictures/new", "click=daire"}, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  for (const SurfaceLayout& entry : kSurfaceLayouts) {
    const fs::path file = dir / "pictures" / "new" / (std::string(entry.name) + ".png");
    EXPECT_EQ(png_size(read_file(file)), (std::array<int, 2>{entry.pixel_width(), entry.pixel_height()}))
        << file;
  }
}

// A folder name is a plain path, whatever it looks like; a planted symbolic
// link is replaced by the picture, never written through.
TEST(Probe, PngFolderIsAPlainPathAndLinksAreReplaced) {
  const fs::path dir = test_dir();
  fs::create_directories(dir / ":out");
  std::ofstream(dir / "victim") << "keep";
  fs::create_symlink(dir / "victim", dir / ":out" / "daire.png");
  const ProbeRun run = run_probe({"--png", ":out"}, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(read_file(dir / "victim"), "keep");
  EXPECT_FALSE(fs::is_symlink(dir / ":out" / "daire.png"));
  EXPECT_EQ(png_size(read_file(dir / ":out" / "daire.png"))[0], kSurfaceLayouts[0].pixel_width());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / ":out"), fs::directory_iterator()), 5);
}

TEST(Probe, ExportWritesPicturesTablesAndHandout) {
  const fs::path dir = test_dir();
  const fs::path catalogue = write_catalogue(dir);
  const ProbeRun run = run_probe(
      {"--catalogue", catalogue.string(), "--export", "out", "thickness=12", "camber=2", "moo=0.6", "re=3e6"},
      dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const fs::path out = dir / "out";
  for (const SurfaceLayout& entry : kSurfaceLayouts) {
    const std::string name(entry.name);
    EXPECT_EQ(png_size(read_file(out / (name + ".png")))[0], entry.pixel_width()) << name;
    EXPECT_NE(read_file(out / (name + ".svg")).find("<svg"), std::string::npos) << name;
  }
  // The labels come along: the pressure picture names its axis.
  EXPECT_NE(read_file(out / "pressure.svg").find("1-Cp"), std::string::npos);
  const std::string lift = read_file(out / "lift.csv");
  EXPECT_EQ(std::count(lift.begin(), lift.end(), '\n'), 26);
  EXPECT_EQ(lift.substr(0, lift.find('\n')), "alpha_deg,cl,cl_corrected");
  for (const char* table : {"section.csv", "circle.csv", "moment.csv"}) {
    EXPECT_GT(read_file(out / table).size(), 100u) << table;
  }
  EXPECT_EQ(read_file(out / "handout.pdf").substr(0, 4), "%PDF");

  // The boundary layer at the Reynolds number asked for: both sides' stations
  // under one header, and the polar whose point at alpha = 0 is the report's case.
  std::istringstream layer(read_file(out / "boundary_layer.csv"));
  std::string line;
  std::getline(layer, line);
  EXPECT_EQ(line, "side,x_c,s,ue,theta,delta_star,h,cf");
  std::map<std::string, int> rows;
  while (std::getline(layer, line)) ++rows[line.substr(0, line.find(','))];
  EXPECT_EQ(rows.size(), 2u);
  EXPECT_GT(rows["upper"], 100);
  EXPECT_GT(rows["lower"], 100);
  const Json report = Json::parse(run.out)["boundary_layer"];
  EXPECT_EQ(report["re"], 3e6);
  const std::string polar = read_file(out / "polar.csv");
  EXPECT_EQ(std::count(polar.begin(), polar.end(), '\n'), 22);
  EXPECT_NE(polar.find("\n0," + shortest_text(report["polar"][10]["cl"].get<double>()) + "," +
                       shortest_text(report["cd"].get<double>()) + "\n"),
            std::string::npos);
}

#endif

// The streamline table is written like every file of the probe: a link in
// its place is replaced, not written through; a file its owner made
// read-only is left alone, even by the superuser; every failure says why.
TEST(Probe, FlowCsvReplacesALinkKeepsAWriteProtectedFileAndSaysWhy) {
  const fs::path dir = test_dir();
  const std::string catalogue = write_catalogue(dir).string();
  std::ofstream(dir / "victim") << "keep";
  fs::create_symlink(dir / "victim", dir / "lines.csv");
  EXPECT_EQ(run_probe({"--catalogue", catalogue, "--flow-csv", "lines.csv"}, dir).status, 0);
  fs::permissions(dir / "victim", fs::perms::owner_read);
  for (const std::string failure :
       {"victim: the file is write-protected", "no/lines.csv: No such file or directory"}) {
    const ProbeRun run =
        run_probe({"--catalogue", catalogue, "--flow-csv", failure.substr(0, failure.find(':'))}, dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write " + failure), std::string::npos) << run.err;
  }
  EXPECT_EQ(read_file(dir / "victim"), "keep");
}

// The flow field of a section replayed in this process, for the probe's
// flow outputs to be checked against.
FlowField replayed_flow(const fs::path& catalogue, int thickness, int camber, int alfa) {
  std::array<RecordingSurface, 5> s;
  RecordedMessages messages;
  Form1 form(Plots{s[0], s[1], s[2], s[3], s[4]}, messages, catalogue.string());
  form.Form_Load();
  set_scroll_value(form.w.HScroll_Thickness, thickness);
  set_scroll_value(form.w.HScroll_Camber, camber);
  set_scroll_value(form.w.HScroll_AlfaD, alfa);
  form.profil_Click();
  return *flow_field(form.w);
}

// Each at= reads the flow as the actions before it left the window: nothing
// before any geometry or inside the section, the exact field elsewhere, out
// to the free stream at the far end of the double range.
TEST(Probe, FlowAtPointsFollowTheActionsBeforeThem) {
  const fs::path dir = test_dir();
  const fs::path catalogue = write_catalogue(dir);
  const ProbeRun run =
      run_probe({"--catalogue", catalogue.string(), "at=0.5,0.2", "thickness=12", "at=0.5,0.2", "at=0.5,0",
                 "alfa=8", "at=0.5,0.2", "at=-0.2,-0.1", "at=1e200,0", "at=-1.7e308,1e308"},
                dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const Json report = json_of(run);
  const Json& points = report["points"];
  ASSERT_EQ(points.size(), 7u);
  const auto at8 = replayed_flow(catalogue, 12, 0, 8);
  const std::array<std::optional<FlowField>, 7> flows = {
      std::nullopt, replayed_flow(catalogue, 12, 0, 0), replayed_flow(catalogue, 12, 0, 0), at8, at8, at8,
      at8};
  for (std::size_t k = 0; k < points.size(); ++k) {
    const PlanePoint at{points[k]["x_c"].get<double>(), points[k]["y_c"].get<double>()};
    const auto expected = flows[k] ? section_velocity(*flows[k], at) : std::nullopt;
    EXPECT_EQ(expected.has_value(), k != 0 && k != 2) << k;
    if (!expected) {
      for (const char* name : {"u", "v", "cp"}) EXPECT_TRUE(points[k][name].is_null()) << k << name;
      continue;
    }
    EXPECT_EQ(points[k]["u"].get<double>(), expected->u);
    EXPECT_EQ(points[k]["v"].get<double>(), expected->v);
    EXPECT_EQ(points[k]["cp"].get<double>(), expected->Cp);
  }
  EXPECT_NE(points[1]["cp"].get<double>(), points[3]["cp"].get<double>());
  for (std::size_t k : {5u, 6u}) {
    EXPECT_NEAR(points[k]["u"].get<double>(), std::cos(8 * std::acos(-1.0) / 180), 1e-15) << k;
    EXPECT_NEAR(points[k]["v"].get<double>(), std::sin(8 * std::acos(-1.0) / 180), 1e-15) << k;
  }
}

// Every row of a line keeps the line's psi, and no row but the two ends of
// the dividing streamline (the stagnation points) lies on or in the section.
TEST(Probe, FlowCsvKeepsPsiAlongEachLineOutsideTheSection) {
  const fs::path dir = test_dir();
  const fs::path catalogue = write_catalogue(dir);
  const ProbeRun run = run_probe(
      {"--catalogue", catalogue.string(), "thickness=12", "camber=2", "alfa=6", "--flow-csv", "lines.csv"},
      dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const FlowField f = replayed_flow(catalogue, 12, 2, 6);

  std::istringstream csv(read_file(dir / "lines.csv"));
  std::string row;
  std::getline(csv, row);
  EXPECT_EQ(row, "line,psi,x_c,y_c");
  struct Row {
    long line;
    double psi, x, y;
  };
  std::vector<Row> rows;
  while (std::getline(csv, row)) {
    Row r{};
    char c1 = 0, c2 = 0, c3 = 0;
    std::istringstream fields(row);
    fields.imbue(std::locale::classic());
    ASSERT_TRUE(fields >> r.line >> c1 >> r.psi >> c2 >> r.x >> c3 >> r.y) << row;
    rows.push_back(r);
  }
  ASSERT_GT(rows.size(), 1000u);
  int lines = 1, on_body = 0;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const Row& r = rows[k];
    if (k > 0 && r.line != rows[k - 1].line) {
      EXPECT_EQ(r.line, rows[k - 1].line + 1);
      ++lines;
    } else if (k > 0) {
      EXPECT_EQ(r.psi, rows[k - 1].psi);
    }
    const auto zeta = circle_point(f, PlanePoint{r.x, r.y});
    if (!zeta) {
      const bool line_end =
          k == 0 || k + 1 == rows.size() || rows[k - 1].line != r.line || rows[k + 1].line != r.line;
      EXPECT_TRUE(r.psi == 0 && line_end) << row;
      ++on_body;
      continue;
    }
    ASSERT_NEAR(*stream_function(f, *zeta), r.psi, 1e-6) << "line " << r.line;
  }
  EXPECT_GT(lines, 20);
  EXPECT_EQ(on_body, 2);  // the front stagnation point and the trailing edge
}

}  // namespace
}  // namespace airfoil::testing
