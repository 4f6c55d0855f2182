# Sanitizers, fuzzing, hostile plots and the benchmark.
