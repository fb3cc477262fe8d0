# The files that go to users are linked without debug sections or a symbol table in every
# build but Debug: RelWithDebInfo's other outputs (tests, tools, benchmarks) keep what a
# debugger or a backtrace needs. A new program or library for users joins the list.
set(LW_SHIPPED_TARGETS
    LineWink
    awmain
    setup
    movexe
    lzpunz2
    awenu aweng awdeu awfra
)

# `shipped` builds just these (the 32-bit build is compiled only, and only what users get).
if(WIN32)
    add_custom_target(shipped)
    foreach(target IN LISTS LW_SHIPPED_TARGETS)
        if(TARGET ${target})
            target_link_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-s>)
            add_dependencies(shipped ${target})
        endif()
    endforeach()
endif()
