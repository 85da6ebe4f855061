// Times the FIT decoder of velomatix against the Garmin FIT SDK's JavaScript Decoder on the
// same 12-hour ride at 1 Hz (written by the SDK's Encoder), side by side in one run, and prints
// both times and the ratio.
//
//   node bench/fit_compare.mjs [BUILD_DIR]
//
// BUILD_DIR (default: build) must hold bench/velomatix_bench, best from a Release build. The
// SDK comes from tools/fit-fixtures (npm ci there first).
import { execFileSync } from "node:child_process";
import * as fs from "node:fs";
import * as os from "node:os";
import * as path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const build = path.resolve(process.argv[2] ?? path.join(root, "build"));
const bench = path.join(build, "bench", "velomatix_bench");
const fixtures = path.join(root, "tools", "fit-fixtures");
const sdkEntry = path.join(fixtures, "node_modules", "@garmin", "fitsdk", "src", "index.js");

if (!fs.existsSync(bench)) {
    console.error(`no ${bench}: build velomatix_bench first (cmake -DCMAKE_BUILD_TYPE=Release)`);
    process.exit(2);
}
if (!fs.existsSync(sdkEntry)) {
    console.error(`no @garmin/fitsdk in ${fixtures}: run npm ci there first`);
    process.exit(2);
}
const cache = fs.readFileSync(path.join(build, "CMakeCache.txt"), "utf8");
const buildType = /^CMAKE_BUILD_TYPE:STRING=(.*)$/m.exec(cache)?.[1] ?? "";
if (buildType !== "Release")
    console.error(`warning: ${build} is a "${buildType}" build; its times are not representative`);

const { Decoder, Stream } = await import(pathToFileURL(sdkEntry));
const { longRide } = await import(pathToFileURL(path.join(fixtures, "generate.mjs")));

const seconds = 12 * 3600;
const dir = fs.mkdtempSync(path.join(os.tmpdir(), "velomatix-fit-compare-"));
const file = path.join(dir, "ride_12h.fit");
fs.writeFileSync(file, longRide(seconds));
const bytes = new Uint8Array(fs.readFileSync(file));

// The SDK: median of several full reads after a warm-up, with its default options (scaled
// values, expanded components, strings and dates) and with all of that switched off.
function timeSdk(options, runs = 9) {
    let records = 0;
    const times = [];
    for (let i = 0; i < runs + 2; ++i) {
        const start = process.hrtime.bigint();
        const { messages, errors } = new Decoder(Stream.fromByteArray(bytes)).read(options);
        const ms = Number(process.hrtime.bigint() - start) / 1e6;
        if (errors.length) throw errors[0];
        records = messages.recordMesgs.length;
        if (i >= 2) times.push(ms);
    }
    times.sort((a, b) => a - b);
    return { ms: times[Math.floor(times.length / 2)], records };
}
const sdk = timeSdk({});
const sdkRaw = timeSdk({
    expandSubFields: false,
    expandComponents: false,
    applyScaleAndOffset: false,
    convertTypesToStrings: false,
    convertDateTimesToDates: false,
    mergeHeartRates: false,
});

// velomatix: Google Benchmark's mean over its repetitions.
const json = execFileSync(
    bench,
    ["--benchmark_filter=^BM_Fit(Decode|Import)File$", "--benchmark_format=json",
     "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
    { env: { ...process.env, VELOMATIX_FIT_FILE: file }, encoding: "utf8" });
const results = JSON.parse(json).benchmarks;
const median = (name) => {
    const r = results.find((b) => b.run_name === name && b.aggregate_name === "median");
    if (!r) throw new Error(`velomatix_bench did not report ${name}`);
    return r.real_time;  // ms (the benchmarks report in milliseconds)
};
const ours = median("BM_FitDecodeFile");
const oursImport = median("BM_FitImportFile");
fs.rmSync(dir, { recursive: true, force: true });

const f = (ms) => ms.toFixed(2).padStart(8) + " ms";
console.log(`file: ${seconds} s at 1 Hz, ${sdk.records} record messages, ${bytes.length} bytes`);
console.log(`@garmin/fitsdk Decoder.read, default options: ${f(sdk.ms)}`);
console.log(`@garmin/fitsdk Decoder.read, raw values:      ${f(sdkRaw.ms)}`);
console.log(`velomatix decode (ReadFitActivity):           ${f(ours)}`);
console.log(`velomatix decode, fill, convert (ImportFit):  ${f(oursImport)}`);
const ratio = sdk.ms / ours;
console.log(`ratio SDK default / velomatix decode: ${ratio.toFixed(1)}x`);
console.log(`ratio SDK raw / velomatix decode:     ${(sdkRaw.ms / ours).toFixed(1)}x`);
const ok = ours < 20 && ratio >= 30;
console.log(`target (< 20 ms and >= 30x): ${ok ? "met" : "not met"}`);
process.exit(ok ? 0 : 1);
