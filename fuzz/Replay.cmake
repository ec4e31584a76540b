# Each fuzz target's stored corpus (fuzz/corpus/<name>/, every input that ever found a defect
# included) replays as an ordinary test: the target's entry point, built with the normal
# compiler against the layer it reads for, is called once per stored file.
set(kv_fuzz_dir ${CMAKE_SOURCE_DIR}/fuzz)

function(kv_add_fuzz_replay name layer)
    add_executable(replay_${name} ${kv_fuzz_dir}/${name}_fuzzer.cpp ${kv_fuzz_dir}/replay_main.cpp)
    set_target_properties(replay_${name} PROPERTIES AUTOMOC OFF
                          RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(replay_${name} PRIVATE ${layer})
    add_test(NAME fuzz/replay_${name} COMMAND replay_${name} ${kv_fuzz_dir}/corpus/${name})
    set_tests_properties(fuzz/replay_${name} PROPERTIES TIMEOUT 300)
endfunction()

kv_add_fuzz_replay(flic kv_media)
kv_add_fuzz_replay(rmi kv_media)
kv_add_fuzz_replay(command kv_media)
kv_add_fuzz_replay(colour kv_core)
