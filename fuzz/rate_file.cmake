tallyx_fuzz_target(rate_file rate_file.cpp corpus/rate_file)
