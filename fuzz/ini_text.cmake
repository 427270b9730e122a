tallyx_fuzz_target(ini_text ini_text.cpp corpus/ini_text)
