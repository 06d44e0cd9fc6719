#!/usr/bin/env python3
"""Console conversion against ImageMagick, side by side on this machine.

  (a) the bundled sample through velmora (real ImageMagick decoder) against
      ImageMagick converting the sample's base image straight to JPEG;
  (b) a 3072 x 2048 conversion whose decoder is the test suite's fake
      convert.exe copying a prepared TGA, against ImageMagick converting that
      TGA to JPEG with the same quality and sampling;
  (c) the cost of a frame plus a text watermark on top of (b).

Prints the median wall time of several runs and the peak memory (maximum
resident set size) of each. Run by hand after a build: bench/run.py [runs]
"""
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.environ.get("VELMORA_BUILD_DIR", os.path.join(TOP, "build"))
VELMORA = os.path.join(BUILD, "src", "velmora")
FAKE = os.path.join(BUILD, "tests", "fake_convert")
SAMPLE = os.path.join(TOP, "samples", "sample.pcd")
RUNS = int(sys.argv[1]) if len(sys.argv) > 1 else 7


def measure(command, env):
    """Wall seconds and peak resident kilobytes of one run."""
    start = time.perf_counter()
    done = subprocess.run(["/usr/bin/time", "-v"] + command, env=env, capture_output=True, text=True)
    elapsed = time.perf_counter() - start
    if done.returncode != 0:
        sys.exit(f"failed: {' '.join(command)}\n{done.stdout}{done.stderr}")
    peak = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", done.stderr).group(1))
    return elapsed, peak


def compare(title, ours, theirs, env_ours, env_theirs):
    rows = []
    for name, command, env in (("velmora", ours, env_ours), ("ImageMagick", theirs, env_theirs)):
        samples = [measure(command, env) for _ in range(RUNS)]
        rows.append((name, statistics.median(s[0] for s in samples), max(s[1] for s in samples)))
    print(title)
    for name, seconds, peak in rows:
        print(f"  {name:12} median {seconds * 1000:8.1f} ms   peak {peak / 1024:7.1f} MiB")
    print(f"  ratio velmora / ImageMagick: {rows[0][1] / rows[1][1]:.2f}")
    return rows


def main():
    work = tempfile.mkdtemp(prefix="velmora-bench-")
    try:
        base = dict(os.environ, XDG_RUNTIME_DIR=work, HOME=work, XDG_CONFIG_HOME=work)
        out = os.path.join(work, "out")
        os.mkdir(out)
        compare("(a) sample.pcd to JPEG, real decoding",
                [VELMORA, "-i", SAMPLE, "-o", out, "-q"],
                ["convert", SAMPLE + "[3]", "-quality", "95", "-sampling-factor", "1x1",
                 os.path.join(out, "im.jpg")], base, base)

        big = os.path.join(work, "big.tga")
        subprocess.run(["convert", "-size", "3072x2048", "plasma:fractal", "-seed", "7", big], check=True)
        fake_bin = os.path.join(work, "bin")
        os.mkdir(fake_bin)
        shutil.copy(FAKE, os.path.join(fake_bin, "convert.exe"))
        fake_env = dict(base, PATH=fake_bin + os.pathsep + os.environ["PATH"],
                        FAKE_CONVERT_PLAN="*=copy:" + big)
        source = os.path.join(work, "big.pcd")
        open(source, "wb").write(b"x")
        plain = [VELMORA, "-i", source, "-o", out, "-q"]
        rows = compare("(b) 3072 x 2048, decoder copies a prepared TGA", plain,
                       ["convert", big, "-quality", "95", "-sampling-factor", "1x1", os.path.join(out, "im2.jpg")],
                       fake_env, base)
        decorated = plain + ["--fr-solid-left=20", "--fr-solid-right=20", "--fr-solid-top=20",
                             "--fr-solid-bottom=20", "--fr-solid-top-color=FF0000",
                             "--wm-text=%filename% %yyyy%%eol%Tarnwick", "--wm-text-antialiasing",
                             "--wm-font-size=24"]
        samples = [measure(decorated, fake_env) for _ in range(RUNS)]
        seconds = statistics.median(s[0] for s in samples)
        print("(c) (b) plus a frame and a text watermark")
        print(f"  velmora      median {seconds * 1000:8.1f} ms   peak {max(s[1] for s in samples) / 1024:7.1f} MiB")
        print(f"  cost of frame and watermark: {(seconds - rows[0][1]) * 1000:.1f} ms")
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
