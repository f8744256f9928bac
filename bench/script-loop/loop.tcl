# The loop of the script benchmark, in Tcl (32-bit wrapping as the script language does).
proc loop {} {
    set sum 0
    set text ""
    set list {}
    for {set i 0} {$i < 1000000} {incr i} {
        set sum [expr {(($sum + $i * 3) - $i / 7) & 0xFFFFFFFF}]
        if {$sum >= 0x80000000} { set sum [expr {$sum - 0x100000000}] }
        if {$i % 1000 == 0} {
            lappend list $sum
            append text "x"
        }
    }
    return [list $sum [llength $list]]
}
puts [loop]
