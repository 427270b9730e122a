tallyx_fuzz_target(evaluate evaluate.cpp corpus/evaluate)
